#pragma once
// The streams this library has handed out. A handle is a number, never an address, so a stale or
// made-up handle is refused instead of followed.
//
// Threads: the registry itself may be used from any thread; one stream is used by one thread at a time.

#include "encoder/bladeenc-interface.h"

#include <lame.h>
#include <memory>

namespace encoder {

// One open encoding stream.
struct Stream {
    Stream() = default;
    Stream(const Stream &) = delete;
    Stream &operator=(const Stream &) = delete;
    ~Stream();

    lame_t lame = nullptr;
    uint32_t samplesPerChunk = 0; // 16-bit samples of all channels that one chunk holds
    uint32_t bufferSize = 0;      // output bytes that one chunk, or the flush, needs at most
    int channels = 2;
    bool flushed = false;
};

// Keeps the stream and returns its new handle (never 0).
HBE_STREAM Register(std::unique_ptr<Stream> stream);

// The stream of a handle, or nullptr when the handle is not open.
Stream *Find(HBE_STREAM handle);

// Takes the stream out of the registry; nullptr when the handle is not open.
std::unique_ptr<Stream> Unregister(HBE_STREAM handle);

} // namespace encoder
