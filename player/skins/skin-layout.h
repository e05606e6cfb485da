#pragma once
// The main window's layout in twips: the built-in rectangles of the elements a skin's layout line
// moves, and the ten fields applied to them in order — the rest follow from those ten (the button row
// 35 twips apart, the news strip 160 twips above it, the station list under its scroll button …).
// Pure numbers, shared by the window and the skin checker.

#include <QString>
#include <QStringList>
#include <map>

namespace skins {

enum class Element {
    SettingsBox,
    AboutMe,
    Play,
    Stop,
    Record,
    RecordStop,
    Settings,
    AdvanceRec,
    About,
    Mess,
    Holder,
    News,
    Up,
    Lists,
    Down,
    Count,
    Min,
    Close,
};

struct Box {
    double left = 0, top = 0, width = 0, height = 0; // twips
};

using Layout = std::map<Element, Box>;

// The elements as the window is designed.
const Layout &BuiltInLayout();
// The element's name in the window ("PicPlay", "PicSettingsBox", …).
QString ElementName(Element element);

// Moves the elements of `layout` to the first ten `fields` (each converted to a single-precision
// number), then everything that follows them, in the window's order, with the sizes as they are. A
// field that is not a number raises "Type mismatch", one beyond single range "Overflow", with what
// came before it already applied.
void AdjustLayout(Layout &layout, const QStringList &fields);

} // namespace skins
