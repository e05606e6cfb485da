#include "player/recording/icy-reader.h"

#include "common/station-codec.h"
#include "platform/media/stream-title.h"

namespace recording {

namespace {

bool IsKeyCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Whether a title's closing "';" stands at `at`: the block ends after it, or the next field begins
// ("StreamUrl='").
bool ClosesTitle(const QByteArray &block, qsizetype at) {
    qsizetype next = at + 2;
    if (next == block.size())
        return true;
    while (next < block.size() && IsKeyCharacter(block.at(next)))
        ++next;
    return next > at + 2 && next + 1 < block.size() && block.at(next) == '=' && block.at(next + 1) == '\'';
}

} // namespace

std::optional<qint64> MetaIntervalFromHeader(const QByteArray &value) {
    if (value.isEmpty())
        return 0;
    if (value.size() > 7)
        return std::nullopt;
    qint64 interval = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        interval = interval * 10 + (c - '0');
    }
    if (interval < 1 || interval > kMaxMetaInterval)
        return std::nullopt;
    return interval;
}

std::optional<QString> StreamTitleFromMetadata(const QByteArray &raw) {
    static const QByteArray key = "StreamTitle='";
    QByteArray block = raw.left(kMaxMetadataBlock);
    while (block.endsWith('\0'))
        block.chop(1);
    const qsizetype keyAt = block.indexOf(key);
    if (keyAt < 0)
        return std::nullopt;
    const qsizetype start = keyAt + key.size();
    qsizetype end = -1;
    for (qsizetype at = block.indexOf("';", start); at >= 0 && end < 0; at = block.indexOf("';", at + 1))
        if (ClosesTitle(block, at))
            end = at;
    if (end < 0)
        end = block.endsWith('\'') && block.size() > start ? block.size() - 1 : block.size();
    return platform::media::CleanStreamTitle(common::TextFromRecordBytes(block.mid(start, end - start)));
}

IcyReader::IcyReader(qint64 metaInterval) : m_metaInterval(metaInterval), m_audioLeft(metaInterval) {}

void IcyReader::feed(QByteArrayView bytes, const AudioHandler &audio, const MetadataHandler &metadata) {
    if (m_metaInterval == 0) {
        if (!bytes.isEmpty())
            audio(bytes);
        return;
    }
    while (!bytes.isEmpty()) {
        if (m_blockLength < 0 && m_audioLeft > 0) {
            const QByteArrayView piece = bytes.first(std::min<qint64>(m_audioLeft, bytes.size()));
            audio(piece);
            m_audioLeft -= piece.size();
            bytes = bytes.sliced(piece.size());
        } else if (m_blockLength < 0) {
            m_blockLength = static_cast<unsigned char>(bytes.front()) * 16;
            bytes = bytes.sliced(1);
            m_block.clear();
        } else {
            const qsizetype take = std::min(m_blockLength - m_block.size(), bytes.size());
            m_block += bytes.first(take);
            bytes = bytes.sliced(take);
        }
        if (m_blockLength >= 0 && m_block.size() == m_blockLength) {
            while (m_block.endsWith('\0'))
                m_block.chop(1);
            m_blockLength = -1;
            m_audioLeft = m_metaInterval;
            metadata(m_block);
        }
    }
}

} // namespace recording
