// The headline page as the ticker takes it: bytes to text, the headlines joined into the news text,
// that text split into the pieces that slide, each as its label shows it.

#include "player/news/headlines.h"
#include "tests/fuzz/fuzz-input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString page = news::HeadlinePageText(fuzz::InputBytes(data, size));
    const QString newsText = news::AssembleNewsText(page);
    fuzz::Require(newsText.isEmpty() || newsText.startsWith(QLatin1String("News Headline : ")),
                  "the news text is empty or starts with its heading");
    const QStringList pieces = news::NewsPieces(newsText);
    fuzz::Require(pieces.join(QLatin1String("->")) == newsText, "the pieces join back into the news text");
    for (const QString &piece : pieces)
        news::DisplayedCaption(piece);
    return 0;
}
