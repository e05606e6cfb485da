#pragma once
// cWavReader: hands out the data of a 16-bit stereo RIFF WAVE file in buffers of whole sample frames
// (4 bytes: two channels of 16 bits). Counts are in frames, except BufferStartPosition (bytes).
// Errors are common::RuntimeError numbered 29670 + code, source "<program>.cWavePlayer"; after any
// failure in OpenFile the reader is closed again.

#include "player/recording/riff-reader.h"

#include <QString>
#include <cstdint>
#include <memory>

class cWavReader {
public:
    // The first 18 bytes of the format chunk.
    struct WaveFormat {
        std::uint16_t formatTag = 0;
        std::uint16_t channels = 0;
        std::uint32_t samplesPerSec = 0;
        std::uint32_t avgBytesPerSec = 0;
        std::uint16_t blockAlign = 0;
        std::uint16_t bitsPerSample = 0;
        std::uint16_t extraSize = 0;
    };

    enum ErrorCode {
        ErrUnsupportedFormat = 1, // "Only stereo 16 bit wave files supported."
        ErrUnableToOpen = 2,
        ErrNotWave = 3,
        ErrNoFormatChunk = 4,
        ErrReadingFormat = 5,
        ErrNoWaveFileOpen = 6, // also: no data chunk
        ErrInsufficientMemory = 7,
        ErrPositionOutOfRange = 8,
        ErrBufferSizeWhileOpen = 9,
    };
    static constexpr int kErrorBase = 29670;
    static constexpr std::int32_t kDefaultReadBufferSize = 32768; // frames
    static constexpr std::int32_t kLargestReadBufferSize = 1 << 22;

    cWavReader() = default;
    cWavReader(const cWavReader &) = delete;
    cWavReader &operator=(const cWavReader &) = delete;
    // Closes the file; never throws.
    ~cWavReader();

    // The name of the open file; empty when none is open.
    QString Filename() const { return m_filename; }
    // Opens the file (OpenFile).
    void setFilename(const QString &sFile);

    // Closes any open file, then opens and checks `sSoundFile` and allocates the read buffer, with the
    // position at the first data byte. False without an error for an empty name; raises on every failure.
    bool OpenFile(const QString &sSoundFile);
    // Closes the file and frees the buffer; harmless when nothing is open.
    void CloseFile();

    // Reads the next buffer. True when a whole buffer was read and data remains after it; false for the
    // last portion (a whole buffer or less, its size in ReadSize) and, with ReadSize 0, when nothing
    // remains. Raises ErrNoWaveFileOpen without a file, and "Input past end of file" (62) when the file
    // has become shorter than its data chunk.
    bool Read();

    // Buffer size in frames, 1 to kLargestReadBufferSize (else "Invalid property value", 380); used from
    // the next OpenFile on. Changing it while a file is open raises ErrBufferSizeWhileOpen.
    std::int32_t ReadBufferSize() const { return static_cast<std::int32_t>(m_bufferBytes / kFrameBytes); }
    void setReadBufferSize(std::int32_t lSize);

    // Frames placed in the buffer by the last Read.
    std::int32_t ReadSize() const { return static_cast<std::int32_t>(m_readBytes / kFrameBytes); }
    // The read buffer (ReadBufferSize frames, interleaved 16-bit samples); nullptr when no file is open.
    const std::int16_t *ReadBufferPtr() const { return m_buffer.get(); }
    // Whole frames in the data chunk.
    std::int32_t AudioLength() const { return static_cast<std::int32_t>(m_dataLength / kFrameBytes); }
    // The format record of the open file.
    const WaveFormat &Format() const { return m_format; }

    // Moves the read position to frame `lSample` (0 to AudioLength), or by `lSampleOffset` frames.
    // Outside the data: ErrPositionOutOfRange; without a file: ErrNoWaveFileOpen.
    void SeekAbsolute(std::int32_t lSample);
    void SeekRelative(std::int32_t lSampleOffset);
    // Bytes from the first data byte to the read position.
    qint64 BufferStartPosition() const;

private:
    static constexpr qint64 kFrameBytes = 4;

    bool AllocateReadBuffer();
    void FreeReadBuffer();
    [[noreturn]] static void RaiseReaderError(ErrorCode code);
    void requireOpenFile() const;
    void seekData(qint64 dataOffset);

    recording::RiffReader m_riff;
    WaveFormat m_format;
    qint64 m_dataStart = 0;
    qint64 m_dataLength = 0;
    std::unique_ptr<std::int16_t[]> m_buffer;
    qint64 m_bufferBytes = kDefaultReadBufferSize * kFrameBytes;
    qint64 m_readBytes = 0;
    QString m_filename;
};
