// Tunelark.dll: the BladeEnc-style encoding interface over libmp3lame. Every exported function checks its
// handle and pointers and answers with a BE_ERR code; none writes to stdout or stderr.

#include "encoder/bladeenc-interface.h"
#include "encoder/info-tag-file.h"
#include "encoder/lame-settings.h"
#include "encoder/stream-registry.h"

#include <cstring>

#define BE_EXPORT __attribute__((visibility("default")))

namespace {

// This library's own version and release date, reported by beVersion.
constexpr uint8_t kLibraryMajorVersion = 1;
constexpr uint8_t kLibraryMinorVersion = 0;
constexpr uint8_t kReleaseDay = 10;
constexpr uint8_t kReleaseMonth = 12;
constexpr uint16_t kReleaseYear = 2026;

// LAME's own advice for the output of one call: 1.25 × samples per channel + 7200 bytes.
uint32_t OutputBufferSize(int frameSize) { return static_cast<uint32_t>(frameSize) * 5 / 4 + 7200; }

// The BE_ERR code for a negative LAME result: -1 means the output did not fit.
BE_ERR LameFailure(int result) {
    return result == -1 ? BE_ERR_BUFFER_TOO_SMALL : BE_ERR_INVALID_FORMAT_PARAMETERS;
}

} // namespace

extern "C" {

BE_EXPORT BE_ERR beInitStream(PBE_CONFIG pbeConfig, uint32_t *dwSamples, uint32_t *dwBufferSize,
                              HBE_STREAM *phbeStream) {
    if (!pbeConfig || !dwSamples || !dwBufferSize || !phbeStream)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    auto stream = std::make_unique<encoder::Stream>();
    stream->lame = lame_init();
    if (!stream->lame)
        return BE_ERR_NO_MORE_HANDLES;
    const BE_ERR result = encoder::ApplyConfig(*pbeConfig, stream->lame);
    if (result != BE_ERR_SUCCESSFUL)
        return result;
    const int frameSize = lame_get_framesize(stream->lame);
    stream->channels = lame_get_num_channels(stream->lame);
    stream->samplesPerChunk = static_cast<uint32_t>(frameSize * stream->channels);
    stream->bufferSize = OutputBufferSize(frameSize);
    *dwSamples = stream->samplesPerChunk;
    *dwBufferSize = stream->bufferSize;
    *phbeStream = encoder::Register(std::move(stream));
    return BE_ERR_SUCCESSFUL;
}

BE_EXPORT BE_ERR beEncodeChunk(HBE_STREAM hbeStream, uint32_t nSamples, const int16_t *pSamples,
                               uint8_t *pOutput, uint32_t *pdwOutput) {
    encoder::Stream *stream = encoder::Find(hbeStream);
    if (!stream)
        return BE_ERR_INVALID_HANDLE;
    if (!pOutput || !pdwOutput || (nSamples > 0 && !pSamples))
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *pdwOutput = 0;
    if (stream->flushed || nSamples > stream->samplesPerChunk || nSamples % stream->channels != 0)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    const int frames = static_cast<int>(nSamples) / stream->channels;
    const int size = static_cast<int>(stream->bufferSize);
    // LAME reads the samples only; its interleaved entry point merely lacks the const.
    const int bytes = stream->channels == 1
                          ? lame_encode_buffer(stream->lame, pSamples, pSamples, frames, pOutput, size)
                          : lame_encode_buffer_interleaved(stream->lame, const_cast<int16_t *>(pSamples),
                                                           frames, pOutput, size);
    if (bytes < 0)
        return LameFailure(bytes);
    *pdwOutput = static_cast<uint32_t>(bytes);
    return BE_ERR_SUCCESSFUL;
}

BE_EXPORT BE_ERR beDeinitStream(HBE_STREAM hbeStream, uint8_t *pOutput, uint32_t *pdwOutput) {
    encoder::Stream *stream = encoder::Find(hbeStream);
    if (!stream)
        return BE_ERR_INVALID_HANDLE;
    if (!pOutput || !pdwOutput)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *pdwOutput = 0;
    // A second flush would add frames of silence.
    if (stream->flushed)
        return BE_ERR_SUCCESSFUL;
    const int bytes = lame_encode_flush(stream->lame, pOutput, static_cast<int>(stream->bufferSize));
    if (bytes < 0)
        return LameFailure(bytes);
    stream->flushed = true;
    *pdwOutput = static_cast<uint32_t>(bytes);
    return BE_ERR_SUCCESSFUL;
}

BE_EXPORT BE_ERR beCloseStream(HBE_STREAM hbeStream) {
    return encoder::Unregister(hbeStream) ? BE_ERR_SUCCESSFUL : BE_ERR_INVALID_HANDLE;
}

BE_EXPORT void beVersion(PBE_VERSION pbeVersion) {
    if (!pbeVersion)
        return;
    std::memset(pbeVersion, 0, sizeof *pbeVersion);
    lame_version_t engine;
    get_lame_version_numerical(&engine);
    pbeVersion->byDLLMajorVersion = kLibraryMajorVersion;
    pbeVersion->byDLLMinorVersion = kLibraryMinorVersion;
    pbeVersion->byMajorVersion = static_cast<uint8_t>(engine.major);
    pbeVersion->byMinorVersion = static_cast<uint8_t>(engine.minor);
    pbeVersion->byAlphaLevel = static_cast<uint8_t>(engine.alpha);
    pbeVersion->byBetaLevel = static_cast<uint8_t>(engine.beta);
    pbeVersion->byDay = kReleaseDay;
    pbeVersion->byMonth = kReleaseMonth;
    pbeVersion->wYear = kReleaseYear;
    std::strncpy(pbeVersion->zHomepage, get_lame_url(), BE_MAX_HOMEPAGE);
}

BE_EXPORT BE_ERR beWriteInfoTag(HBE_STREAM hbeStream, const char *lpszFileName) {
    encoder::Stream *stream = encoder::Find(hbeStream);
    if (!stream)
        return BE_ERR_INVALID_HANDLE;
    if (!lpszFileName || !stream->flushed)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    if (!lame_get_bWriteVbrTag(stream->lame))
        return BE_ERR_SUCCESSFUL;
    // The largest MP3 frame is 1441 bytes.
    unsigned char frame[2880];
    const size_t size = lame_get_lametag_frame(stream->lame, frame, sizeof frame);
    if (size > sizeof frame)
        return BE_ERR_BUFFER_TOO_SMALL;
    if (size == 0)
        return BE_ERR_SUCCESSFUL;
    return encoder::WriteOverPlaceholderFrame(lpszFileName, frame, size) ? BE_ERR_SUCCESSFUL
                                                                         : BE_ERR_INVALID_FORMAT_PARAMETERS;
}

} // extern "C"
