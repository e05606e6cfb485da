#pragma once
// A skin folder's Settings.ini: lines taken in a cycle of four — background colour, text colour,
// combo-box colour ("R, G, B" each), layout (ten twip numbers). Blank lines leave a value as it was,
// so with more lines the last of each kind wins. Untrusted input: size-limited and checked.

#include "common/blanks.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace skins {

struct SkinSettings {
    std::optional<std::int32_t> backColour; // R + 256·G + 65536·B; none when never set
    std::optional<std::int32_t> foreColour;
    std::optional<std::int32_t> comboBackColour;
    QString layout; // the layout line unchanged, empty when absent
};

// Files larger than this are refused: a skin's settings are a few lines.
inline constexpr qint64 kLargestSettingsFile = 64 * 1024;

// Reads `path`. A bad colour line raises common::RuntimeError with the classic description: fewer
// than three fields "Subscript out of range", a field that is not a number "Type mismatch", one past
// 16 bits "Overflow", a negative one "Invalid procedure call or argument"; a component above 255
// counts as 255. An unreadable or too large file raises too.
SkinSettings ReadSkinSettings(const QString &path);

// The colour of a line "R, G, B[, …]" (fields trimmed of blanks, rounded halves to even).
std::int32_t ParseColourLine(const QString &line);

// The lines of a text: a line ends at CR LF or at a lone CR.
QStringList SettingsLines(const QByteArray &text);

using common::TrimBlanks;

} // namespace skins
