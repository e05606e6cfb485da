#include "encoder/info-tag-file.h"

#include <cstdio>
#include <memory>

namespace encoder {

namespace {

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

// 11 set bits of frame sync.
bool StartsWithFrameSync(const unsigned char *bytes) { return bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0; }

} // namespace

bool WriteOverPlaceholderFrame(const char *path, const unsigned char *frame, std::size_t size) {
    if (size < 2 || !StartsWithFrameSync(frame))
        return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "r+b"));
    if (!file)
        return false;
    unsigned char header[2];
    if (std::fread(header, 1, sizeof header, file.get()) != sizeof header || !StartsWithFrameSync(header) ||
        std::fseek(file.get(), 0, SEEK_END) != 0 || std::ftell(file.get()) < static_cast<long>(size) ||
        std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    const bool written = std::fwrite(frame, 1, size, file.get()) == size;
    return std::fclose(file.release()) == 0 && written;
}

} // namespace encoder
