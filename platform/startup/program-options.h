#pragma once
// The options every program answers without starting: --help (or -h) and --version. Any other
// argument is left to Qt (-display, -platform, …) and to the program, which ignore what they do not know.

#include <optional>

namespace platform::startup {

struct ProgramInfo {
    const char *name;  // as the user starts it: "Tunelark"
    const char *usage; // the help's text after the usage line, ending with a line end
};

// Prints the help or the version to standard output when the arguments ask for one and gives the
// exit code to end with; nothing when the program is to start.
std::optional<int> AnswerProgramOptions(int argc, const char *const *argv, const ProgramInfo &info);

} // namespace platform::startup
