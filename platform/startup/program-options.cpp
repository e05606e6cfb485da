#include "platform/startup/program-options.h"

#include <cstdio>
#include <cstring>

namespace platform::startup {

std::optional<int> AnswerProgramOptions(int argc, const char *const *argv, const ProgramInfo &info) {
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::printf("Usage: %s [OPTION]...\n\n%s\nOptions:\n"
                        "  -h, --help     Show this help and end.\n"
                        "      --version  Show the version and end.\n",
                        info.name, info.usage);
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0) {
            std::printf("%s %s\n", info.name, TUNELARK_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace platform::startup
