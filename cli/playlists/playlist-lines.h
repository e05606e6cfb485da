#pragma once
// Line splitting for the line-based playlist formats, which arrive with any of the three line ends.
// The lines are views into the text: reading a playlist copies only what it keeps.

#include <QStringView>

namespace cli {

// Calls `line(QStringView)` for each line of `text`, split at "\r\n", "\r" or "\n".
template <typename LineFunction>
void ForEachPlaylistLine(QStringView text, LineFunction line) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        line(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    line(text.mid(start));
}

} // namespace cli
