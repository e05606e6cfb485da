#pragma once
// The headlines of a news feed: RSS 2.0, RSS 1.0 (RDF) or Atom, told apart by the document's root
// element, read with the XML stream reader from the text FeedText gives.

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace news {

// The title of each item (RSS) or entry (Atom) of the feed in `page`, in document order, as FeedHeadline
// makes it; an item whose title is missing or blank gives none. RSS titles are taken as HTML (many
// feeds escape markup into them); an Atom title as its "type" says.
// None when the page is no feed: another root element, no XML, or a document type declaration before
// the root. A feed that breaks off (malformed, cut short, or nested deeper than 64 elements) gives the
// titles read before the break.
// Takes time in step with the page's length.
std::optional<QStringList> FeedTitles(const QByteArray &page);

} // namespace news
