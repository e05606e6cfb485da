#pragma once
// The headline page and what the ticker makes of it: the address split into host, path and port, the
// headlines cut out of the page's "theSummaries[i] = '…';" assignments or taken from a feed's titles
// and joined into one text, and that text split into the pieces the ticker slides. Pure text functions.

#include <QString>
#include <QStringList>
#include <optional>

namespace news {

struct HeadlineAddress {
    QString host;
    QString path;            // starts with "/"
    std::optional<int> port; // none when the text after ":" is not a number
};

// Splits "http://HOST[:PORT][/PATH]" the way the fetch does: the path defaults to "/", the port to 80.
HeadlineAddress SplitHeadlineUrl(const QString &url);

// The request the fetch sends: "GET " + path + " HTTP/1.0" and two line feeds.
QString HeadlineRequest(const QString &path);

// The text of a fetched or saved headline page: UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1252, as the station file reads its records (pages written there carry curly quotes 0x93/0x94).
QString HeadlinePageText(const QByteArray &page);

// `newsText` with the headlines of `page` appended: "News Headline : " before the first, ". -> "
// between them; "\'" becomes "'", "&" becomes "&&" (a label shows "&&" as one "&").
// Takes time in step with the page's length, whatever the page holds.
QString AssembleNewsText(const QString &page, QString newsText = QString());

// `newsText` with the headlines of the fetched or saved `page` appended, joined as AssembleNewsText
// joins them: the item titles when the page is a feed (FeedTitles), otherwise the classic page's
// headlines (AssembleNewsText of HeadlinePageText). A feed without titles leaves `newsText` as it is,
// as a classic page without headlines does. Takes time in step with the page's length.
QString HeadlinesText(const QByteArray &page, QString newsText = QString());

// The pieces of a news text: split at every "->". The ticker runs only with two pieces or more.
QStringList NewsPieces(const QString &newsText);

// What a label shows for `caption`: "&&" as one "&", a single "&" (an access-key mark) not at all.
QString DisplayedCaption(const QString &caption);

} // namespace news
