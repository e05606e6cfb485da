#pragma once
// Control characters in texts that must stay on one line: a line of output, or a field of a station
// file's record.

#include <QString>
#include <algorithm>

namespace common {

inline bool IsControlCharacter(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }

inline bool HasControlCharacter(const QString &text) {
    return std::any_of(text.cbegin(), text.cend(), IsControlCharacter);
}

// The text with every control character (line breaks and tabs included) turned into a blank, so one
// value stays on one line.
inline QString OnOneLine(const QString &text) {
    QString result = text;
    std::replace_if(result.begin(), result.end(), IsControlCharacter, QChar(u' '));
    return result;
}

} // namespace common
