#pragma once
// The recording commands: "wav info FILE" describes a WAVE file as the recorder's reader sees it, and
// "encode WAV MP3" converts one the way the player converts its recordings.

#include "cli/command-line.h"

namespace cli {

CommandGroup WavCommands();
CommandGroup EncodeCommand();

} // namespace cli
