#pragma once
// Puts the final Info/LAME tag frame over the placeholder frame that starts an MP3 file.

#include <cstddef>

namespace encoder {

// Writes `size` bytes of `frame` over the first bytes of the file at `path` (a local 8-bit path). Leaves
// the file alone and returns false when it cannot be opened for reading and writing, is shorter than the
// frame, or does not start with an MPEG audio frame header like the placeholder's; also false when the
// write fails.
bool WriteOverPlaceholderFrame(const char *path, const unsigned char *frame, std::size_t size);

} // namespace encoder
