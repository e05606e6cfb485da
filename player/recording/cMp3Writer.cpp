#include "player/recording/cMp3Writer.h"

#include "common/runtime-error.h"
#include "player/recording/error-source.h"

#include <new>

namespace {

struct WriterError {
    const char *step;
    const char *description;
};

WriterError DescribeError(cMp3Writer::ErrorCode code) {
    switch (code) {
    case cMp3Writer::ErrAllocateBuffer:
        return {"AllocateBuffer", "Unable to allocate output buffer for writing"};
    case cMp3Writer::ErrOpenFile:
        return {"OpenFile", "Unable to open file for writing"};
    case cMp3Writer::ErrMoreThanBuffer:
        return {"WriteBufferToFile", "Cannot write more data than is available in the buffer"};
    case cMp3Writer::ErrNotOpen:
        return {"WriteBufferToFile", "File not open for writing"};
    case cMp3Writer::ErrWriteFailed:
        return {"WriteBufferToFile", "Failed to write buffer to file"};
    }
    return {"", ""};
}

} // namespace

cMp3Writer::~cMp3Writer() {
    FreeBuffer();
    CloseFile();
}

void cMp3Writer::RaiseWriterError(ErrorCode code) {
    const WriterError error = DescribeError(code);
    throw common::RuntimeError(kErrorBase + code, QString::fromLatin1(error.description),
                               recording::ErrorSource(QString::fromLatin1(error.step)));
}

void cMp3Writer::setFilename(const QString &value) {
    CloseFile();
    m_filename = value;
    if (!m_buffer)
        AllocateBuffer(m_bufferSize);
    OpenFile();
}

void cMp3Writer::setBufferSize(std::int32_t bytes) {
    FreeBuffer();
    m_bufferSize = 0;
    AllocateBuffer(bytes);
    m_bufferSize = bytes;
}

void cMp3Writer::AllocateBuffer(std::int32_t bytes) {
    if (bytes >= 1 && bytes <= kLargestBufferSize)
        m_buffer.reset(new (std::nothrow) std::uint8_t[bytes]());
    if (!m_buffer)
        RaiseWriterError(ErrAllocateBuffer);
}

void cMp3Writer::FreeBuffer() { m_buffer.reset(); }

void cMp3Writer::OpenFile() {
    if (!m_filename.isEmpty() && QFile::exists(m_filename))
        QFile::remove(m_filename);
    m_file.setFileName(m_filename);
    // Unbuffered, so a failed write (disk full) is seen by the write that failed, not lost in a close.
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered))
        RaiseWriterError(ErrOpenFile);
}

qint64 cMp3Writer::WriteBufferToFile(qint64 bytes) {
    if (bytes > m_bufferSize || bytes < 0)
        RaiseWriterError(ErrMoreThanBuffer);
    if (!m_file.isOpen() || !m_buffer)
        RaiseWriterError(ErrNotOpen);
    const qint64 written = m_file.write(reinterpret_cast<const char *>(m_buffer.get()), bytes);
    if (written != bytes)
        RaiseWriterError(ErrWriteFailed);
    return written;
}

void cMp3Writer::CloseFile() { m_file.close(); }
