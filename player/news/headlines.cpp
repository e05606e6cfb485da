#include "player/news/headlines.h"

#include "common/blanks.h"
#include "common/station-codec.h"
#include "player/news/feed-headlines.h"

#include <algorithm>
#include <utility>

namespace news {

using common::TrimBlanks;

namespace {

const QString kMarker = QStringLiteral("theSummaries[0] = '");
const QString kKeyStart = QStringLiteral("theSummaries[");
const QString kKeyEnd = QStringLiteral("] = ");

QString Key(qsizetype index) { return kKeyStart + QString::number(index) + kKeyEnd; }

// The index of the key "theSummaries[N] = " whose "theSummaries[" starts at `at` in `entry`: N when it
// is written as QString::number writes it (no sign, no leading zero) and is below `limit`, else -1.
// Reads no further than the key's own digits, so every "theSummaries[" of an entry costs only those.
qsizetype KeyIndexAt(const QString &entry, qsizetype at, qsizetype limit) {
    const qsizetype digits = at + kKeyStart.size();
    qsizetype end = digits;
    qsizetype index = 0;
    while (end < entry.size() && entry.at(end) >= u'0' && entry.at(end) <= u'9') {
        index = index * 10 + (entry.at(end).unicode() - u'0');
        if (index >= limit)
            return -1;
        ++end;
    }
    const bool written = end == digits + 1 || (end > digits && entry.at(digits) != u'0');
    return written && QStringView(entry).sliced(end).startsWith(kKeyEnd) ? index : -1;
}

// One entry's headline: the key "theSummaries[j] = " with the lowest j below `entryCount` that the
// entry holds removed (every occurrence of it), and the character after it (the opening apostrophe,
// when nothing else stands before it) dropped. The index is read out of the entry's own keys.
QString EntryHeadline(const QString &entry, qsizetype entryCount) {
    const QString trimmed = TrimBlanks(entry);
    qsizetype lowest = entryCount;
    for (qsizetype at = trimmed.indexOf(kKeyStart); at >= 0; at = trimmed.indexOf(kKeyStart, at + 1)) {
        if (const qsizetype index = KeyIndexAt(trimmed, at, lowest); index >= 0)
            lowest = index;
    }
    QString item = lowest < entryCount ? QString(trimmed).remove(Key(lowest)) : trimmed;
    const qsizetype keep = item.size() - 1;
    if (keep >= 0)
        item = TrimBlanks(item).right(keep);
    return item.replace(QStringLiteral("\\'"), QStringLiteral("'"));
}

bool IsBlank(const QString &text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u' '; });
}

// Appends one headline to the news text: the heading before the first, ". -> " before any other; "&"
// doubled for the label. Appends in place: a copy of the growing text for each headline would cost the
// square.
void AppendHeadline(QString &newsText, const QString &headline) {
    if (!IsBlank(newsText))
        newsText += QStringLiteral(". -> ");
    else
        newsText = QStringLiteral("News Headline : ");
    if (!IsBlank(headline))
        newsText += QString(headline).replace(u'&', QStringLiteral("&&"));
}

} // namespace

HeadlineAddress SplitHeadlineUrl(const QString &url) {
    const qsizetype scheme = url.indexOf(QStringLiteral("://"));
    HeadlineAddress address;
    address.host = url.mid(scheme < 0 ? 2 : scheme + 3);
    address.path = QStringLiteral("/");
    if (const qsizetype slash = address.host.indexOf(u'/'); slash >= 0) {
        address.path = address.host.mid(slash);
        address.host.truncate(slash);
    }
    address.port = 80;
    if (const qsizetype colon = address.host.indexOf(u':'); colon >= 0) {
        bool isNumber = false;
        const int port = address.host.mid(colon + 1).trimmed().toInt(&isNumber);
        address.port = isNumber ? std::optional<int>(port) : std::nullopt;
        address.host.truncate(colon);
    }
    return address;
}

QString HeadlineRequest(const QString &path) {
    return QStringLiteral("GET ") + path + QStringLiteral(" HTTP/1.0\n\n");
}

QString HeadlinePageText(const QByteArray &page) { return common::TextFromRecordBytes(page); }

QString AssembleNewsText(const QString &page, QString newsText) {
    const QString trimmedPage = TrimBlanks(page);
    const qsizetype start = trimmedPage.indexOf(kMarker);
    const QStringList entries =
        start < 0 ? QStringList() : trimmedPage.mid(start).split(QStringLiteral("';"));
    for (const QString &entry : entries) {
        if (entry.contains(kKeyStart))
            AppendHeadline(newsText, EntryHeadline(entry, entries.size()));
    }
    return newsText;
}

QString HeadlinesText(const QByteArray &page, QString newsText) {
    const std::optional<QStringList> titles = FeedTitles(page);
    if (!titles)
        return AssembleNewsText(HeadlinePageText(page), std::move(newsText));
    for (const QString &title : *titles)
        AppendHeadline(newsText, title);
    return newsText;
}

QStringList NewsPieces(const QString &newsText) { return newsText.split(QStringLiteral("->")); }

QString DisplayedCaption(const QString &caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && ++i >= caption.size())
            break;
        shown += caption.at(i);
    }
    return shown;
}

} // namespace news
