#include "player/news/headlines.h"

#include "common/blanks.h"

namespace news {

using common::TrimBlanks;

namespace {

const QString kMarker = QStringLiteral("theSummaries[0] = '");
const QString kKeyStart = QStringLiteral("theSummaries[");

// One entry's headline: the first "theSummaries[j] = " it holds removed, and the character after it
// (the opening apostrophe, when nothing else stands before it) dropped.
QString EntryHeadline(const QString &entry, qsizetype entryCount) {
    const QString trimmed = TrimBlanks(entry);
    QString item = trimmed;
    for (qsizetype j = 0; j < entryCount; ++j) {
        const QString key = kKeyStart + QString::number(j) + QStringLiteral("] = ");
        if (trimmed.contains(key)) {
            item = QString(trimmed).remove(key);
            break;
        }
    }
    const qsizetype keep = item.size() - 1;
    if (keep >= 0)
        item = TrimBlanks(item).right(keep);
    return item.replace(QStringLiteral("\\'"), QStringLiteral("'")).replace(u'&', QStringLiteral("&&"));
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

QString AssembleNewsText(const QString &page, QString newsText) {
    const QString trimmedPage = TrimBlanks(page);
    const qsizetype start = trimmedPage.indexOf(kMarker);
    const QStringList entries =
        start < 0 ? QStringList() : trimmedPage.mid(start).split(QStringLiteral("';"));
    for (const QString &entry : entries) {
        if (!entry.contains(kKeyStart))
            continue;
        const QString item = EntryHeadline(entry, entries.size());
        if (!TrimBlanks(newsText).isEmpty())
            newsText += QStringLiteral(". -> ");
        else
            newsText = QStringLiteral("News Headline : ");
        if (!TrimBlanks(item).isEmpty())
            newsText += item;
    }
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
