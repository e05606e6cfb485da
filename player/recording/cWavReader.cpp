#include "player/recording/cWavReader.h"

#include "common/runtime-error.h"
#include "player/recording/error-source.h"

#include <QtEndian>
#include <new>

namespace {

using recording::FourCC;
using recording::RiffChunk;
using recording::RiffReader;

// The format chunk is read into a buffer of this size; longer chunks keep their tail unread.
constexpr qint64 kFormatBufferSize = 50;

QString ErrorDescription(cWavReader::ErrorCode code) {
    switch (code) {
    case cWavReader::ErrUnsupportedFormat:
        return QStringLiteral("Only stereo 16 bit wave files supported.");
    case cWavReader::ErrUnableToOpen:
        return QStringLiteral("Unable to open file.");
    case cWavReader::ErrNotWave:
        return QStringLiteral("Not a Wave file.");
    case cWavReader::ErrNoFormatChunk:
        return QStringLiteral("Unable to retrieve format chunk");
    case cWavReader::ErrReadingFormat:
        return QStringLiteral("Error reading format");
    case cWavReader::ErrNoWaveFileOpen:
        return QStringLiteral("No Wave File Open");
    case cWavReader::ErrInsufficientMemory:
        return QStringLiteral("Insufficient memory");
    case cWavReader::ErrPositionOutOfRange:
        return QStringLiteral("Position out of range");
    case cWavReader::ErrBufferSizeWhileOpen:
        return QStringLiteral("Cannot change buffer size whilst a file is open.");
    }
    return QString();
}

QString ReaderSource() { return recording::ErrorSource(QStringLiteral("cWavePlayer")); }

cWavReader::WaveFormat ParseFormat(const uchar *bytes) {
    cWavReader::WaveFormat format;
    format.formatTag = qFromLittleEndian<quint16>(bytes);
    format.channels = qFromLittleEndian<quint16>(bytes + 2);
    format.samplesPerSec = qFromLittleEndian<quint32>(bytes + 4);
    format.avgBytesPerSec = qFromLittleEndian<quint32>(bytes + 8);
    format.blockAlign = qFromLittleEndian<quint16>(bytes + 12);
    format.bitsPerSample = qFromLittleEndian<quint16>(bytes + 14);
    format.extraSize = qFromLittleEndian<quint16>(bytes + 16);
    return format;
}

} // namespace

cWavReader::~cWavReader() { CloseFile(); }

void cWavReader::setFilename(const QString &sFile) { OpenFile(sFile); }

void cWavReader::RaiseReaderError(ErrorCode code) {
    throw common::RuntimeError(kErrorBase + code, ErrorDescription(code), ReaderSource());
}

bool cWavReader::OpenFile(const QString &sSoundFile) {
    CloseFile();
    if (sSoundFile.isEmpty())
        return false;
    const auto fail = [this](ErrorCode code) {
        CloseFile();
        RaiseReaderError(code);
    };
    if (!m_riff.open(sSoundFile))
        fail(ErrUnableToOpen);
    RiffChunk riff;
    if (!m_riff.descend(riff, nullptr, RiffReader::Find::Riff, FourCC("WAVE")))
        fail(ErrNotWave);
    RiffChunk formatChunk;
    if (!m_riff.descend(formatChunk, &riff, RiffReader::Find::Chunk, FourCC("fmt")))
        fail(ErrNoFormatChunk);
    uchar formatBytes[kFormatBufferSize] = {};
    const qint64 formatSize = qMin<qint64>(formatChunk.size, kFormatBufferSize);
    if (m_riff.read(reinterpret_cast<char *>(formatBytes), formatSize) != formatSize ||
        !m_riff.ascend(formatChunk))
        fail(ErrReadingFormat);
    m_format = ParseFormat(formatBytes);
    if (m_format.bitsPerSample != 16 || m_format.channels != 2)
        fail(ErrUnsupportedFormat);
    RiffChunk dataChunk;
    if (!m_riff.descend(dataChunk, &riff, RiffReader::Find::Chunk, FourCC("data")))
        fail(ErrNoWaveFileOpen);
    m_dataStart = m_riff.position();
    m_dataLength = dataChunk.size;
    if (!AllocateReadBuffer())
        fail(ErrInsufficientMemory);
    m_filename = sSoundFile;
    return true;
}

void cWavReader::CloseFile() {
    if (m_riff.isOpen()) {
        m_riff.close();
        FreeReadBuffer();
    }
    m_format = WaveFormat();
    m_readBytes = 0;
    m_dataStart = 0;
    m_dataLength = 0;
    m_filename.clear();
}

bool cWavReader::Read() {
    requireOpenFile();
    const qint64 remaining = m_dataStart + m_dataLength - m_riff.position();
    const qint64 wanted = qMin(m_bufferBytes, qMax<qint64>(remaining, 0));
    m_readBytes = 0;
    if (wanted > 0) {
        if (m_riff.read(reinterpret_cast<char *>(m_buffer.get()), wanted) != wanted)
            throw common::RuntimeError::fromNumber(common::ErrInputPastEndOfFile, ReaderSource());
        m_readBytes = wanted;
    }
    return m_bufferBytes < remaining;
}

void cWavReader::setReadBufferSize(std::int32_t lSize) {
    if (m_riff.isOpen())
        RaiseReaderError(ErrBufferSizeWhileOpen);
    if (lSize < 1 || lSize > kLargestReadBufferSize)
        throw common::RuntimeError::fromNumber(common::ErrInvalidPropertyValue, ReaderSource());
    m_bufferBytes = lSize * kFrameBytes;
}

void cWavReader::SeekAbsolute(std::int32_t lSample) {
    requireOpenFile();
    seekData(lSample * kFrameBytes);
}

void cWavReader::SeekRelative(std::int32_t lSampleOffset) {
    requireOpenFile();
    seekData(BufferStartPosition() + lSampleOffset * kFrameBytes);
}

qint64 cWavReader::BufferStartPosition() const {
    return m_riff.isOpen() ? m_riff.position() - m_dataStart : 0;
}

void cWavReader::seekData(qint64 dataOffset) {
    if (dataOffset < 0 || dataOffset > m_dataLength)
        RaiseReaderError(ErrPositionOutOfRange);
    m_riff.seek(m_dataStart + dataOffset, RiffReader::Origin::Begin);
}

void cWavReader::requireOpenFile() const {
    if (!m_riff.isOpen())
        RaiseReaderError(ErrNoWaveFileOpen);
}

bool cWavReader::AllocateReadBuffer() {
    FreeReadBuffer();
    m_buffer.reset(new (std::nothrow) std::int16_t[m_bufferBytes / sizeof(std::int16_t)]());
    return m_buffer != nullptr;
}

void cWavReader::FreeReadBuffer() { m_buffer.reset(); }
