#pragma once
// cMp3Writer: the output file of a conversion and the buffer the encoder library writes MP3 frames into.
// Errors are common::RuntimeError numbered 29870 + code, source "<program>.<step>".

#include <QFile>
#include <QString>
#include <cstdint>
#include <memory>

class cMp3Writer {
public:
    enum ErrorCode {
        ErrAllocateBuffer = 1,
        ErrOpenFile = 2,
        ErrMoreThanBuffer = 3,
        ErrNotOpen = 4,
        ErrWriteFailed = 5,
    };
    static constexpr int kErrorBase = 29870;
    static constexpr std::int32_t kDefaultBufferSize = 8192;
    // The encoder library chooses the size; anything larger than this is refused as unallocatable.
    static constexpr std::int32_t kLargestBufferSize = 16 << 20;

    cMp3Writer() = default;
    cMp3Writer(const cMp3Writer &) = delete;
    cMp3Writer &operator=(const cMp3Writer &) = delete;
    // Frees the buffer and closes the file; never throws.
    ~cMp3Writer();

    QString Filename() const { return m_filename; }
    // Closes any open file, keeps the name, allocates the buffer when there is none, then replaces any
    // file of that name with a new empty one. Raises ErrAllocateBuffer or ErrOpenFile.
    void setFilename(const QString &value);

    // The buffer size in bytes. Setting it replaces the buffer (contents zero); a size outside 1 to
    // kLargestBufferSize, or a failed allocation, leaves no buffer and size 0 and raises ErrAllocateBuffer.
    std::int32_t BufferSize() const { return m_bufferSize; }
    void setBufferSize(std::int32_t bytes);
    // The buffer, BufferSize bytes; nullptr when there is none.
    std::uint8_t *BufferPointer() { return m_buffer.get(); }

    // Appends the first `bytes` bytes of the buffer to the file and returns the bytes written. More than
    // BufferSize (or fewer than 0): ErrMoreThanBuffer; no file or no buffer: ErrNotOpen; a failed or
    // short write (disk full): ErrWriteFailed.
    qint64 WriteBufferToFile(qint64 bytes);
    void CloseFile();

private:
    void OpenFile();
    // Allocates a zeroed buffer or raises ErrAllocateBuffer.
    void AllocateBuffer(std::int32_t bytes);
    void FreeBuffer();
    [[noreturn]] static void RaiseWriterError(ErrorCode code);

    QFile m_file;
    QString m_filename;
    std::int32_t m_bufferSize = kDefaultBufferSize;
    std::unique_ptr<std::uint8_t[]> m_buffer;
};
