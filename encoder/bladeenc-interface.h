#pragma once
// The BladeEnc-style C interface of Tunelark.dll: the record a caller fills to configure a stream, the
// result codes, and the functions the player binds by name at run time. The record keeps its packed
// LAME-header layout (331 bytes) so that it matches what callers of this interface lay out in memory.
//
// Threads: every function may be called from any thread; one stream must be used by one thread at a time.

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t BE_ERR;
typedef uintptr_t HBE_STREAM; // 0 is never a valid stream

// Result codes of every function.
#define BE_ERR_SUCCESSFUL 0x00000000u
#define BE_ERR_INVALID_FORMAT 0x00000001u            // the record is not a LAME-header record
#define BE_ERR_INVALID_FORMAT_PARAMETERS 0x00000002u // a value in the record (or an argument) is refused
#define BE_ERR_NO_MORE_HANDLES 0x00000003u           // no stream could be created
#define BE_ERR_INVALID_HANDLE 0x00000004u            // not a stream this library handed out
#define BE_ERR_BUFFER_TOO_SMALL 0x00000005u          // the output would not fit the buffer

// Record kinds (dwConfig); this library takes only the LAME-header kind.
#define BE_CONFIG_MP3 0
#define BE_CONFIG_LAME 256

// nMode: channel modes. Mono takes one input channel, the others two, interleaved.
#define BE_MP3_MODE_STEREO 0
#define BE_MP3_MODE_JSTEREO 1
#define BE_MP3_MODE_DUALCHANNEL 2
#define BE_MP3_MODE_MONO 3

// dwMpegVersion: informative; the MPEG version follows from the sample rate.
#define MPEG1 1
#define MPEG2 0

#define CURRENT_STRUCT_VERSION 1
#define CURRENT_STRUCT_SIZE 331

// nPreset: quality presets. Each chooses how hard the encoder works; the stream stays at dwBitrate.
#define LQP_NOPRESET (-1)
#define LQP_NORMAL_QUALITY 0
#define LQP_LOW_QUALITY 1
#define LQP_HIGH_QUALITY 2
#define LQP_VOICE_QUALITY 3
#define LQP_R3MIX 4
#define LQP_VERYHIGH_QUALITY 5
#define LQP_STANDARD 6
#define LQP_FAST_STANDARD 7
#define LQP_EXTREME 8
#define LQP_FAST_EXTREME 9
#define LQP_INSANE 10
#define LQP_ABR 11
#define LQP_CBR 12
#define LQP_MEDIUM 13
#define LQP_FAST_MEDIUM 14

// nVbrMethod values; this library writes constant bit rate only and refuses bEnableVBR.
#define VBR_METHOD_NONE (-1)
#define VBR_METHOD_DEFAULT 0
#define VBR_METHOD_OLD 1
#define VBR_METHOD_NEW 2
#define VBR_METHOD_MTRH 3
#define VBR_METHOD_ABR 4

#pragma pack(push, 1)

// The stream configuration in its LAME-header layout. Unused fields and btReserved must be zero.
typedef struct {
    uint32_t dwConfig; // BE_CONFIG_LAME
    struct {
        uint32_t dwStructVersion; // CURRENT_STRUCT_VERSION
        uint32_t dwStructSize;    // CURRENT_STRUCT_SIZE
        uint32_t dwSampleRate;    // of the input, in hertz
        uint32_t dwReSampleRate;  // of the output; 0 keeps the input rate
        int32_t nMode;            // BE_MP3_MODE_*
        uint32_t dwBitrate;       // kbit/s, constant; else the nearest the output rate allows
        uint32_t dwMaxBitrate;    // VBR only
        int32_t nPreset;          // LQP_*
        uint32_t dwMpegVersion;   // MPEG1 or MPEG2
        uint32_t dwPsyModel;      // ignored
        uint32_t dwEmphasis;      // 0 none, 1 50/15 µs, 3 CCITT J.17
        int32_t bPrivate;
        int32_t bCRC;
        int32_t bCopyright;
        int32_t bOriginal;
        int32_t bWriteVBRHeader; // put an Info/LAME tag frame first; see beWriteInfoTag
        int32_t bEnableVBR;
        int32_t nVBRQuality;
        uint32_t dwVbrAbr_bps;
        int32_t nVbrMethod; // VBR_METHOD_*
        int32_t bNoRes;     // bit reservoir off
        int32_t bStrictIso;
        uint16_t nQuality; // ignored
        uint8_t btReserved[255 - 4 * sizeof(uint32_t) - sizeof(uint16_t)];
    } LHV1;
} BE_CONFIG, *PBE_CONFIG;

#define BE_MAX_HOMEPAGE 128

// What beVersion reports: this library's version and release date, and the engine's version.
typedef struct {
    uint8_t byDLLMajorVersion;
    uint8_t byDLLMinorVersion;
    uint8_t byMajorVersion;
    uint8_t byMinorVersion;
    uint8_t byDay;
    uint8_t byMonth;
    uint16_t wYear;
    char zHomepage[BE_MAX_HOMEPAGE + 1];
    uint8_t byAlphaLevel;
    uint8_t byBetaLevel;
    uint8_t byMMXEnabled;
    uint8_t btReserved[125];
} BE_VERSION, *PBE_VERSION;

#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(BE_CONFIG) == 331, "BE_CONFIG keeps the 331-byte LAME-header layout");
static_assert(offsetof(BE_CONFIG, LHV1.dwStructVersion) == 4, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.dwSampleRate) == 12, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.nMode) == 20, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.dwBitrate) == 24, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.nPreset) == 32, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.bPrivate) == 48, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.bOriginal) == 60, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.bWriteVBRHeader) == 64, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.bNoRes) == 84, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.nQuality) == 92, "BE_CONFIG layout");
static_assert(offsetof(BE_CONFIG, LHV1.btReserved) == 94, "BE_CONFIG layout");
static_assert(sizeof(BE_VERSION) == 265, "BE_VERSION layout");
#endif

// Opens a stream for the configuration. On success gives the stream, the number of 16-bit samples (all
// channels together) that one beEncodeChunk call takes, and the output buffer size that one call (and the
// final beDeinitStream) needs at least.
typedef BE_ERR (*BEINITSTREAM)(PBE_CONFIG pbeConfig, uint32_t *dwSamples, uint32_t *dwBufferSize,
                               HBE_STREAM *phbeStream);
// Encodes nSamples 16-bit samples (interleaved when stereo; at most dwSamples) into pOutput, whose size must
// be the dwBufferSize of beInitStream; *pdwOutput receives the bytes produced.
typedef BE_ERR (*BEENCODECHUNK)(HBE_STREAM hbeStream, uint32_t nSamples, const int16_t *pSamples,
                                uint8_t *pOutput, uint32_t *pdwOutput);
// Flushes the last frames into pOutput (dwBufferSize bytes); *pdwOutput receives the bytes produced.
typedef BE_ERR (*BEDEINITSTREAM)(HBE_STREAM hbeStream, uint8_t *pOutput, uint32_t *pdwOutput);
// Ends the stream and frees it; the handle is invalid afterwards.
typedef BE_ERR (*BECLOSESTREAM)(HBE_STREAM hbeStream);
// Fills in the version record.
typedef void (*BEVERSION)(PBE_VERSION pbeVersion);
// After beDeinitStream, once every byte of the stream is in the file named lpszFileName (a local 8-bit
// path), writes the final Info/LAME tag over the placeholder frame at the start of that file. Does nothing
// when the stream was opened without bWriteVBRHeader. The stream stays open.
typedef BE_ERR (*BEWRITEINFOTAG)(HBE_STREAM hbeStream, const char *lpszFileName);

BE_ERR beInitStream(PBE_CONFIG pbeConfig, uint32_t *dwSamples, uint32_t *dwBufferSize,
                    HBE_STREAM *phbeStream);
BE_ERR beEncodeChunk(HBE_STREAM hbeStream, uint32_t nSamples, const int16_t *pSamples, uint8_t *pOutput,
                     uint32_t *pdwOutput);
BE_ERR beDeinitStream(HBE_STREAM hbeStream, uint8_t *pOutput, uint32_t *pdwOutput);
BE_ERR beCloseStream(HBE_STREAM hbeStream);
void beVersion(PBE_VERSION pbeVersion);
BE_ERR beWriteInfoTag(HBE_STREAM hbeStream, const char *lpszFileName);

#ifdef __cplusplus
}
#endif
