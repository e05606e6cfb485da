#pragma once
// Where the player puts its elements, in pixels on the pictures they sit on. The faceplate frames these
// spots and each button picture is cut to the place it covers.

#include "button-art.h"

#include <QRect>
#include <array>

namespace skinart::layout {

inline constexpr QSize kMain{723, 565};
inline constexpr QRect kDisplay{216, 167, 181, 140}; // welcome picture or video
inline constexpr QRect kTicker{216, 319, 181, 20};
inline constexpr QRect kStationList{417, 182, 134, 173};
inline constexpr QRect kStationCount{502, 361, 53, 11};
inline constexpr QRect kPanel{208, 161, 354, 220}; // settings and About panel, shown over the controls
inline constexpr QRect kDeck{196, 122, 378, 272};  // the framed plate that carries all controls
inline constexpr QSize kIcon{32, 32};
inline constexpr QRect kMinimize{520, 133, 15, 15};
inline constexpr QRect kExit{540, 133, 15, 15};

enum class Host { Main, Panel };

struct ButtonSpec {
    const char *name;
    Host host;
    QRect rect; // on the host picture
    Symbol symbol;
    Plate plate;
    bool alternate = false; // takes another button's place in some states; the faceplate shows the other
};

inline constexpr std::array<ButtonSpec, 12> kButtons{{
    {"Play", Host::Main, {212, 350, 30, 26}, Symbol::Play, Plate::Raised},
    {"Stop", Host::Main, {243, 350, 30, 26}, Symbol::Stop, Plate::Raised},
    {"Record", Host::Main, {276, 350, 29, 26}, Symbol::Record, Plate::Raised},
    {"RecordStop", Host::Main, {276, 350, 29, 26}, Symbol::RecordStop, Plate::Raised, true},
    {"Settings", Host::Main, {307, 350, 29, 26}, Symbol::Sliders, Plate::Raised},
    {"Advanced", Host::Main, {339, 350, 29, 26}, Symbol::Waveform, Plate::Raised},
    {"About", Host::Main, {371, 350, 29, 26}, Symbol::Info, Plate::Raised},
    {"Up", Host::Main, {474, 167, 21, 11}, Symbol::ArrowUp, Plate::Raised},
    {"Down", Host::Main, {474, 360, 21, 11}, Symbol::ArrowDown, Plate::Raised},
    {"Minimize", Host::Main, kMinimize, Symbol::Bar, Plate::Round},
    {"Exit", Host::Main, kExit, Symbol::Cross, Plate::Round},
    // The panel's confirm button; the panel's field is flat, so it blends in wherever the player puts it.
    {"Close", Host::Panel, {280, 186, 62, 24}, Symbol::Check, Plate::Gold},
}};

} // namespace skinart::layout
