// Replays inputs through a fuzz target without fuzzing: every file of the folders (and every file)
// named on the command line goes to LLVMFuzzerTestOneInput once. A crash or a failed property aborts;
// a missing or empty folder is a failure too, so a replay never passes by doing nothing.

#include "tests/fuzz/fuzz-input.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> InputFiles(const std::filesystem::path &place) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_regular_file(place)) {
        files.push_back(place);
    } else if (std::filesystem::is_directory(place)) {
        for (const auto &entry : std::filesystem::recursive_directory_iterator(place))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER|FILE...\n", argv[0]);
        return 2;
    }
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::filesystem::path> files = InputFiles(argv[i]);
        if (files.empty()) {
            std::fprintf(stderr, "%s: no inputs in '%s'\n", argv[0], argv[i]);
            return 1;
        }
        for (const std::filesystem::path &file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
            if (!in.good() && !in.eof()) {
                std::fprintf(stderr, "%s: cannot read '%s'\n", argv[0], file.c_str());
                return 1;
            }
            // Named first, so an input that aborts the run is known.
            std::fprintf(stderr, "%s\n", file.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return 0;
}
