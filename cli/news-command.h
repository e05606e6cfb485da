#pragma once
// The news commands: "news parse FILE" shows the pieces the ticker makes of a saved headline page or feed.

#include "cli/command-line.h"

namespace cli {

CommandGroup NewsCommands();

} // namespace cli
