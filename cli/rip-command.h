#pragma once
// "rip ADDRESS --minutes N --out DIR": records a station's own stream one file per song, as the player's
// per-song recording does, without the window.

#include "cli/command-line.h"

namespace cli {

CommandGroup RipCommand();

} // namespace cli
