#include "player/news/feed-headlines.h"

#include "player/news/feed-text.h"
#include "player/news/feed-title.h"

#include <QXmlStreamReader>

namespace news {

namespace {

constexpr int kDeepest = 64;

const QString kRdfNamespace = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
const QString kRss1Namespace = QStringLiteral("http://purl.org/rss/1.0/");
const QString kAtomNamespace = QStringLiteral("http://www.w3.org/2005/Atom");

// Where a format keeps its titles: the item element, and the title as a child of it.
struct FeedFormat {
    QString itemNamespace; // the title's too
    QString itemName;
    bool typedTitles; // Atom: a title's "type" says whether it is HTML
};

std::optional<FeedFormat> FormatOfRoot(const QXmlStreamReader &xml) {
    const QStringView ns = xml.namespaceUri();
    const QStringView name = xml.name();
    if (ns.isEmpty() && name == u"rss")
        return FeedFormat{QString(), QStringLiteral("item"), false};
    if (ns == kRdfNamespace && name == u"RDF")
        return FeedFormat{kRss1Namespace, QStringLiteral("item"), false};
    if (ns == kAtomNamespace && name == u"feed")
        return FeedFormat{kAtomNamespace, QStringLiteral("entry"), true};
    return std::nullopt;
}

bool Is(const QXmlStreamReader &xml, const QString &ns, QStringView name) {
    return xml.namespaceUri() == ns && xml.name() == name;
}

TitleMarkup MarkupOf(const QXmlStreamReader &xml, const FeedFormat &format) {
    if (!format.typedTitles)
        return TitleMarkup::Html;
    return xml.attributes().value(QStringLiteral("type")) == u"html" ? TitleMarkup::Html : TitleMarkup::Text;
}

// Reads the items below the root, where `xml` stands, to the end or the first break.
QStringList ItemTitles(QXmlStreamReader &xml, const FeedFormat &format) {
    QStringList titles;
    int depth = 1;
    int itemDepth = 0;  // 0: outside an item
    int titleDepth = 0; // 0: outside the item's title
    bool titled = false;
    TitleMarkup markup = TitleMarkup::Text;
    QString title;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > kDeepest)
                return titles;
            if (itemDepth == 0 && Is(xml, format.itemNamespace, format.itemName)) {
                itemDepth = depth;
                titled = false;
            } else if (depth == itemDepth + 1 && !titled && Is(xml, format.itemNamespace, u"title")) {
                titleDepth = depth;
                markup = MarkupOf(xml, format);
                title.clear();
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == titleDepth) {
                titleDepth = 0;
                titled = true;
                if (const QString headline = FeedHeadline(title, markup); !headline.isEmpty())
                    titles += headline;
            } else if (depth == itemDepth) {
                itemDepth = 0;
            }
            --depth;
            break;
        case QXmlStreamReader::Characters:
            // Markup inside a title (Atom's XHTML, or tags written straight into an RSS title) gives
            // only its text.
            if (titleDepth != 0)
                title += xml.text();
            break;
        default:
            break;
        }
    }
    return titles;
}

} // namespace

std::optional<QStringList> FeedTitles(const QByteArray &page) {
    const std::optional<QString> text = FeedText(page);
    if (!text)
        return std::nullopt;
    QXmlStreamReader xml(*text);
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
    }
    if (xml.tokenType() != QXmlStreamReader::StartElement)
        return std::nullopt;
    const std::optional<FeedFormat> format = FormatOfRoot(xml);
    if (!format)
        return std::nullopt;
    return ItemTitles(xml, *format);
}

} // namespace news
