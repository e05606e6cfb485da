#pragma once
// The "stations" command group: reading, editing, importing and exporting station files.

#include "cli/command-line.h"

namespace cli {

CommandGroup StationsCommands();

} // namespace cli
