#pragma once
// The skin commands for skin authors: "skin check DIR" reads a skin folder as the player would and
// reports what it applies; "skin shape DIR --png FILE" draws the window outline its main picture gives.

#include "cli/command-line.h"

namespace cli {

CommandGroup SkinCommands();

} // namespace cli
