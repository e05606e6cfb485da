#pragma once
// An item's title as the ticker shows it: the text the XML reader gave (entities and CDATA already
// decoded), markup taken out where the title is HTML, every run of white space one blank.

#include <QString>

namespace news {

enum class TitleMarkup {
    Text, // plain text: kept as it is
    Html, // tags are dropped and character references decoded after the XML's own decoding
};

// Empty when nothing but white space is left. Takes time in step with the title's length.
QString FeedHeadline(const QString &title, TitleMarkup markup);

} // namespace news
