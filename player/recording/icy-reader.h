#pragma once
// A SHOUTcast/Icecast stream with its song titles woven in: every `icy-metaint` audio bytes comes one
// metadata block (a length byte L, then L × 16 bytes, so at most 4080) such as
// "StreamTitle='Artist - Title';StreamUrl='';", padded with NUL bytes. It comes from the network: the
// interval is bounded and every block is read within its stated length.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

namespace recording {

// No station needs a longer interval; a larger one would only make the reader hold more.
constexpr qint64 kMaxMetaInterval = 1 << 20;
constexpr qsizetype kMaxMetadataBlock = 255 * 16;

// The interval the `icy-metaint` header gives: 0 when the header is missing (the stream has no
// titles); nothing when it is not a whole number from 1 to kMaxMetaInterval (a protocol error).
std::optional<qint64> MetaIntervalFromHeader(const QByteArray &value);

// The song title a metadata block names, made fit to show; nothing when the block names none. The
// title's bytes are UTF-8 when they are valid UTF-8, otherwise Windows-1252; quotes inside the title
// and a missing closing ";" are taken as stations send them.
std::optional<QString> StreamTitleFromMetadata(const QByteArray &block);

class IcyReader {
public:
    // `metaInterval` as MetaIntervalFromHeader gave it (0: all of the stream is audio).
    explicit IcyReader(qint64 metaInterval);

    using AudioHandler = std::function<void(QByteArrayView audio)>;
    // Called for every block, also the empty ones (length byte 0), without its NUL padding.
    using MetadataHandler = std::function<void(const QByteArray &block)>;

    // Splits the next bytes of the stream, handing audio and blocks over in stream order. A handler may
    // not feed the same reader.
    void feed(QByteArrayView bytes, const AudioHandler &audio, const MetadataHandler &metadata);

    // True while a metadata block has begun and not ended: a stream that ends now was cut off.
    bool insideMetadata() const { return m_blockLength >= 0; }

private:
    qint64 m_metaInterval;
    qint64 m_audioLeft;           // audio bytes before the next block
    qsizetype m_blockLength = -1; // of the block being read, -1 outside a block
    QByteArray m_block;
};

} // namespace recording
