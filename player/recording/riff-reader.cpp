#include "player/recording/riff-reader.h"

#include <QtEndian>

namespace recording {

namespace {

constexpr qint64 kHeaderSize = 8;
constexpr qint64 kFormTypeSize = 4;

} // namespace

bool RiffReader::open(const QString &path) {
    close();
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadOnly);
}

void RiffReader::close() { m_file.close(); }

// Reads the chunk header at the current position into `chunk`; false when the header or the data it
// declares does not fit before `limit`.
bool RiffReader::readHeader(qint64 limit, RiffChunk &chunk) {
    const qint64 start = m_file.pos();
    uchar header[kHeaderSize];
    if (start + kHeaderSize > limit ||
        m_file.read(reinterpret_cast<char *>(header), kHeaderSize) != kHeaderSize)
        return false;
    chunk.id = qFromLittleEndian<quint32>(header);
    chunk.size = qFromLittleEndian<quint32>(header + 4);
    chunk.formType = 0;
    chunk.dataOffset = start + kHeaderSize;
    return chunk.end() <= limit;
}

bool RiffReader::descend(RiffChunk &chunk, const RiffChunk *parent, Find find, std::uint32_t code) {
    if (!isOpen())
        return false;
    const qint64 limit = parent ? qMin(parent->end(), m_file.size()) : m_file.size();
    static constexpr std::uint32_t kRiff = FourCC("RIFF");
    while (readHeader(limit, chunk)) {
        if (find == Find::Chunk && chunk.id == code)
            return true;
        if (find == Find::Riff && chunk.id == kRiff && chunk.size >= kFormTypeSize) {
            uchar formType[kFormTypeSize];
            if (m_file.read(reinterpret_cast<char *>(formType), kFormTypeSize) != kFormTypeSize)
                return false;
            chunk.formType = qFromLittleEndian<quint32>(formType);
            if (chunk.formType == code)
                return true;
        }
        if (!ascend(chunk))
            return false;
    }
    return false;
}

bool RiffReader::ascend(const RiffChunk &chunk) { return m_file.seek(chunk.end() + (chunk.size & 1)); }

qint64 RiffReader::read(char *data, qint64 size) { return m_file.read(data, size); }

qint64 RiffReader::seek(qint64 offset, Origin origin) {
    const qint64 target = origin == Origin::Begin ? offset : m_file.pos() + offset;
    return target >= 0 && m_file.seek(target) ? target : -1;
}

} // namespace recording
