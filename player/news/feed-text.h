#pragma once
// A fetched or saved page as the feed reader takes it: the body after any HTTP headers, decoded as the
// document says, and cut before anything the XML reader must never read or could not read in time in
// step with the page's length.

#include <QByteArray>
#include <QString>
#include <optional>

namespace news {

// The text of the page's document: the body after the status line and headers when the page starts
// with "HTTP/" (up to the first blank line; none at all when there is no blank line), without blank
// lines before its first markup. A byte order mark or a UTF-16/32 pattern decides the encoding, then
// the XML declaration's encoding; a document that declares none reads as the classic page does (UTF-8,
// or Windows-1252 when not valid UTF-8).
// None when the declared encoding is one this machine cannot read.
//
// The text ends before the first document type declaration (so no entity of one is ever expanded and
// nothing it names is fetched), before a tag with more than 64 attributes, and before the namespace
// declaration past the 256th: the XML reader compares each attribute with every other of its tag and
// looks a prefix up among all declarations in scope, which such tags would make cost the square.
std::optional<QString> FeedText(const QByteArray &page);

} // namespace news
