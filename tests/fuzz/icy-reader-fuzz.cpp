// A station's stream with its metadata blocks: the first two bytes choose the icy-metaint interval, the
// rest is the stream. Split at once or in pieces, the same audio and blocks come out; nothing comes out
// that was not sent; a block is never longer than its length byte allows; a title is a bounded line,
// and the file named after it is one safe name of bounded length.

#include "platform/media/stream-title.h"
#include "player/recording/icy-reader.h"
#include "player/recording/song-file-name.h"
#include "tests/fuzz/fuzz-input.h"
#include "tests/player/recording/icy-split.h"

using icysplit::Read;
using icysplit::Split;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2)
        return 0;
    const qint64 interval = (data[0] << 8 | data[1]) % 4096;
    const QByteArray stream = fuzz::InputBytes(data + 2, size - 2);
    const Split whole = Read(interval, stream, std::max<qsizetype>(1, stream.size()));
    const Split pieces = Read(interval, stream, 1 + data[0] % 7);
    fuzz::Require(whole.audio == pieces.audio && whole.blocks == pieces.blocks && whole.cut == pieces.cut,
                  "the split does not depend on how the stream arrives");
    qsizetype accounted = whole.audio.size() + whole.blocks.size();
    for (const QByteArray &block : whole.blocks) {
        fuzz::Require(block.size() <= recording::kMaxMetadataBlock, "a block is at most 4080 bytes");
        accounted += block.size();
        const std::optional<QString> title = recording::StreamTitleFromMetadata(block);
        fuzz::Require(!title || title->size() <= platform::media::kMaxStreamTitleLength,
                      "a title is bounded");
        fuzz::Require(!title || !title->contains(u'\n'), "a title is one line");
        if (title) {
            const QString name = recording::SongFileName(99, *title, true, QStringLiteral("mp3"));
            fuzz::Require(name.toUtf8().size() <= recording::kMaxSongFileNameBytes, "a name is bounded");
            fuzz::Require(!name.contains(u'/') && !name.startsWith(u'.'), "a name is one safe name");
            for (const QChar c : name)
                fuzz::Require(c.unicode() >= 0x20 && c.unicode() != 0x7F, "a name has no control characters");
        }
    }
    fuzz::Require(accounted <= stream.size(), "nothing comes out that was not sent");
    return 0;
}
