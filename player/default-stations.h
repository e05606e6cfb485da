#pragma once
// The built-in stations, loaded when the station file gives none. Never written to the file.

#include <QString>
#include <array>

namespace player {

struct DefaultStation {
    const char *name;
    const char *address;
};

constexpr int kDefaultStationCount = 31;
// The address array is longer than the list; the spare entries stay empty.
constexpr int kDefaultAddressSlots = 35;

const std::array<DefaultStation, kDefaultStationCount> &DefaultStations();

} // namespace player
