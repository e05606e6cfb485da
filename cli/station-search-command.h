#pragma once
// "stations search": finding stations in the community radio directory.

#include "cli/command-line.h"

namespace cli {

Subcommand StationSearchSubcommand();

} // namespace cli
