// The headline page as the ticker takes it, from the fetched bytes: a feed's titles or the classic page's
// headlines joined into the news text, that text split into the pieces that slide, each as its label
// shows it.

#include "player/news/feed-headlines.h"
#include "player/news/headlines.h"
#include "tests/fuzz/fuzz-input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray page = fuzz::InputBytes(data, size);
    if (const std::optional<QStringList> titles = news::FeedTitles(page)) {
        for (const QString &title : *titles)
            fuzz::Require(!title.isEmpty() && title == title.simplified(),
                          "a feed title is one line of words");
    }
    const QString newsText = news::HeadlinesText(page);
    fuzz::Require(newsText.isEmpty() || newsText.startsWith(QLatin1String("News Headline : ")),
                  "the news text is empty or starts with its heading");
    const QStringList pieces = news::NewsPieces(newsText);
    fuzz::Require(pieces.join(QLatin1String("->")) == newsText, "the pieces join back into the news text");
    for (const QString &piece : pieces)
        news::DisplayedCaption(piece);
    return 0;
}
