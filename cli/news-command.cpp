#include "cli/news-command.h"

#include "player/news/headlines.h"

#include <QFile>
#include <QFileInfo>

namespace cli {

namespace {

// As much as the ticker takes from the headline server before it gives a fetch up.
constexpr qint64 kLargestPage = 1 << 20;

int Parse(const ParsedCommand &command) {
    const QString path = command.positional[0];
    QFile page(path);
    if (!QFileInfo(path).isFile() || !page.open(QIODevice::ReadOnly))
        throw BadInput(QStringLiteral("cannot read %1").arg(path));
    if (page.size() > kLargestPage)
        throw BadInput(QStringLiteral("%1 is larger than 1 MiB; the ticker gives such a page up").arg(path));
    const QStringList pieces = news::NewsPieces(news::HeadlinesText(page.readAll()));
    // The ticker switches itself off with fewer than two pieces; so does this listing.
    if (pieces.size() < 2)
        return kExitOk;
    QString text;
    for (const QString &piece : pieces)
        text += OnOneLine(piece) + u'\n';
    WriteOut(text);
    return kExitOk;
}

} // namespace

CommandGroup NewsCommands() {
    return CommandGroup{
        QStringLiteral("news"),
        QStringLiteral("Show what the news ticker makes of a headline page or feed."),
        {
            {QStringLiteral("parse"), QStringLiteral("FILE"),
             QStringLiteral("Print the ticker's pieces of a saved feed or headline page."),
             QStringLiteral(
                 "Reads FILE (as the headline server sends it, headers and all) as the ticker does.\n"
                 "An RSS 2.0, RSS 1.0 or Atom feed gives its item titles, read in the encoding it\n"
                 "declares; a feed with a document type declaration gives none. Any other file is read\n"
                 "as the classic headline page: UTF-8, or Windows-1252 when it is not valid UTF-8,\n"
                 "its headlines taken from the \"theSummaries[i] = '...';\" lines. Prints the pieces\n"
                 "the ticker slides, one per line, as the ticker stores them: blanks kept, ampersands\n"
                 "doubled (the ticker shows \"&&\" as one \"&\"). A line break inside a piece is\n"
                 "printed as a blank. Prints nothing when the page holds fewer than two headlines,\n"
                 "since the ticker then switches the news off.\n"),
             1, QString(), Parse},
        }};
}

} // namespace cli
