#pragma once
// The player's skin colours, which Stations wears to match the player.

#include <QColor>
#include <optional>

class QWidget;

namespace stations {

// The colours Stations is designed with, worn when the player's skin gives none.
inline const QColor kDesignedBack(0x67, 0x50, 0x38);
inline const QColor kDesignedFore(0xDE, 0xCE, 0x8C);

struct SkinColours {
    // Each is empty when the player's skin is the built-in one or the stored value is not a colour.
    std::optional<QColor> back;
    std::optional<QColor> fore;
    std::optional<QColor> comboBack;
};

// Reads "Skin"/"Current", "Backcolor", "Forecolor" and "ComboBackColor" from the player's settings.
// Nothing applies when "Current", trimmed, is empty or "Spider Man" in any letter case.
SkinColours LoadSkinColors();

// A stored colour value (red + 256 × green + 65536 × blue, decimal text), or nothing when the text is
// not a whole number from 0 to 16777215.
std::optional<QColor> ColourFromSetting(const QString &value);

// Sets the background and, when given, the text colour of a widget; an empty colour is left as designed.
void Paint(QWidget *widget, const std::optional<QColor> &back, const std::optional<QColor> &fore);

} // namespace stations
