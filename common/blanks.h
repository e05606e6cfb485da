#pragma once
// Trimming as the system's files are read: blanks (character 32) only, never tabs or line breaks.

#include <QString>

namespace common {

inline QString TrimBlanks(const QString &text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace common
