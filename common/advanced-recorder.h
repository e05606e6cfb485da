#pragma once
// The one argument the player starts the advanced recorder Encoder.dll with: a fixed token of two
// words and an initial, 14 characters, so the recorder knows it was started by the player.

namespace common {

inline constexpr char kAdvancedRecorderToken[] = "Tunelark Rec A";
static_assert(sizeof kAdvancedRecorderToken == 14 + 1);

} // namespace common
