// The titles a station sends with its stream, as libVLC hands them over (UTF-8 text; three pieces
// split at NUL bytes stand for "now playing", artist and title): what is shown is one bounded line,
// and cleaning it again changes nothing.

#include "platform/media/stream-title.h"
#include "tests/fuzz/fuzz-input.h"

#include <QList>

namespace {

void RequireShowable(const QString &shown) {
    using platform::media::kMaxStreamTitleLength;
    fuzz::Require(shown.size() <= kMaxStreamTitleLength, "a title is cut to its length");
    fuzz::Require(shown == shown.simplified(), "a title is one line without runs of blanks");
    fuzz::Require(shown.isEmpty() || !shown.back().isHighSurrogate(), "a cut keeps surrogate pairs whole");
    for (const QChar c : shown)
        fuzz::Require(c.category() != QChar::Other_Control, "a title holds no control character");
    fuzz::Require(platform::media::CleanStreamTitle(shown) == shown, "a shown title is clean");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QList<QByteArray> pieces = fuzz::InputBytes(data, size).split('\0');
    const auto piece = [&pieces](qsizetype i) {
        return i < pieces.size() ? QString::fromUtf8(pieces[i]) : QString();
    };
    RequireShowable(platform::media::CleanStreamTitle(piece(0)));
    RequireShowable(platform::media::StreamTitleFromMeta(piece(0), piece(1), piece(2)));
    return 0;
}
