#include "player/news/feed-text.h"

#include "player/news/headlines.h"

#include <QStringConverter>
#include <QXmlStreamReader>

namespace news {

namespace {

// The XML declaration must stand at the very start; this is more than any real one takes.
constexpr qsizetype kLongestDeclaration = 1024;
constexpr int kMostAttributes = 64;
constexpr int kMostNamespaceDeclarations = 256;

QByteArray Body(const QByteArray &page) {
    if (!page.startsWith("HTTP/"))
        return page;
    const qsizetype crlf = page.indexOf("\r\n\r\n");
    const qsizetype lf = page.indexOf("\n\n");
    if (lf >= 0 && (crlf < 0 || lf < crlf))
        return page.mid(lf + 2);
    return crlf < 0 ? QByteArray() : page.mid(crlf + 4);
}

// Many feeds are written by scripts that leave blank lines before the XML declaration, where the reader
// allows none: they are dropped when markup follows them.
QByteArray WithoutLeadingBlanks(const QByteArray &body) {
    qsizetype start = 0;
    while (start < body.size() && (body.at(start) == ' ' || body.at(start) == '\t' ||
                                   body.at(start) == '\r' || body.at(start) == '\n'))
        ++start;
    return start < body.size() && body.at(start) == '<' ? body.mid(start) : body;
}

std::optional<QString> Decoded(const QByteArray &body) {
    if (const auto marked = QStringConverter::encodingForData(body, u'<'))
        return QStringDecoder(*marked).decode(body);
    // Only the declaration is read here, so what follows it costs nothing yet.
    QXmlStreamReader declaration(body.left(kLongestDeclaration));
    declaration.readNext();
    if (declaration.hasError())
        return std::nullopt;
    const QByteArray declared = declaration.documentEncoding().toLatin1();
    if (declared.isEmpty())
        return HeadlinePageText(body);
    return QStringDecoder(declared.constData()).decode(body);
}

// Where the markup that starts at `at` ends (just past it); -1 when it does not end.
qsizetype EndOf(QStringView text, qsizetype at, QStringView opening, QStringView closing) {
    const qsizetype end = text.indexOf(closing, at + opening.size());
    return end < 0 ? -1 : end + closing.size();
}

// Where the start or end tag at `at` ends (just past its ">"); -1 when it does not end or when it
// takes the text past a bound. `declarations` counts the namespace declarations met so far.
qsizetype TagEnd(QStringView text, qsizetype at, int &declarations) {
    int attributes = 0;
    QChar quote;
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return i + 1;
        } else if (c == u'=' && ++attributes > kMostAttributes) {
            return -1;
        } else if (c == u'x' && text.sliced(i).startsWith(u"xmlns") &&
                   ++declarations > kMostNamespaceDeclarations) {
            return -1;
        }
    }
    return -1;
}

qsizetype ReadableLength(QStringView text) {
    int declarations = 0;
    for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at)) {
        const QStringView markup = text.sliced(at);
        qsizetype end;
        if (markup.startsWith(u"<!--"))
            end = EndOf(text, at, u"<!--", u"-->");
        else if (markup.startsWith(u"<![CDATA["))
            end = EndOf(text, at, u"<![CDATA[", u"]]>");
        else if (markup.startsWith(u"<!"))
            return at;
        else if (markup.startsWith(u"<?"))
            end = EndOf(text, at, u"<?", u"?>");
        else
            end = TagEnd(text, at, declarations);
        if (end < 0)
            return at;
        at = end;
    }
    return text.size();
}

} // namespace

std::optional<QString> FeedText(const QByteArray &page) {
    std::optional<QString> text = Decoded(WithoutLeadingBlanks(Body(page)));
    if (text)
        text->truncate(ReadableLength(*text));
    return text;
}

} // namespace news
