#include "player/news/feed-title.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace news {

namespace {

// The references a title is likely to carry; any other stays as written.
constexpr std::array<std::pair<QStringView, char16_t>, 13> kNamedReferences{{
    {u"amp", u'&'},
    {u"lt", u'<'},
    {u"gt", u'>'},
    {u"quot", u'"'},
    {u"apos", u'\''},
    {u"nbsp", u'\u00a0'},
    {u"ndash", u'\u2013'},
    {u"mdash", u'\u2014'},
    {u"lsquo", u'\u2018'},
    {u"rsquo", u'\u2019'},
    {u"ldquo", u'\u201c'},
    {u"rdquo", u'\u201d'},
    {u"hellip", u'\u2026'},
}};

constexpr qsizetype kLongestReference = 8; // "#x10FFFF" and the names above

bool StartsTag(QStringView text, qsizetype at) {
    if (at + 1 >= text.size())
        return false;
    const QChar next = text.at(at + 1);
    return (next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z') || next == u'/' || next == u'!' ||
           next == u'?';
}

QString WithoutTags(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at + 1)) {
        if (!StartsTag(text, at))
            continue;
        const qsizetype end = text.indexOf(u'>', at);
        if (end < 0)
            break; // no tag can close after this one: the rest is text
        kept += text.sliced(from, at - from);
        from = end + 1;
        at = end;
    }
    return kept += text.sliced(from);
}

// The character `reference` (between "&" and ";") stands for; none when it is none we know.
std::optional<char32_t> Referenced(QStringView reference) {
    if (reference.startsWith(u'#')) {
        const bool hex = reference.startsWith(u"#x") || reference.startsWith(u"#X");
        bool isNumber = false;
        const uint code = reference.sliced(hex ? 2 : 1).toUInt(&isNumber, hex ? 16 : 10);
        const bool isCharacter =
            isNumber && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code < 0xE000);
        return isCharacter ? std::optional<char32_t>(code) : std::nullopt;
    }
    for (const auto &[name, character] : kNamedReferences) {
        if (reference == name)
            return character;
    }
    return std::nullopt;
}

QString WithReferencesDecoded(QStringView text) {
    QString decoded;
    decoded.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(u'&'); at >= 0; at = text.indexOf(u'&', at + 1)) {
        const qsizetype end =
            text.sliced(at, std::min(text.size() - at, kLongestReference + 2)).indexOf(u';');
        if (end < 0)
            continue;
        const std::optional<char32_t> character = Referenced(text.sliced(at + 1, end - 1));
        if (!character)
            continue;
        decoded += text.sliced(from, at - from);
        const char32_t code[] = {*character};
        decoded += QString::fromUcs4(code, 1);
        from = at + end + 1;
        at += end;
    }
    return decoded += text.sliced(from);
}

} // namespace

QString FeedHeadline(const QString &title, TitleMarkup markup) {
    if (markup == TitleMarkup::Text)
        return title.simplified();
    return WithReferencesDecoded(WithoutTags(title)).simplified();
}

} // namespace news
