#pragma once
// Where an MP3 conversion takes its sound from: 16-bit stereo frames, handed out a buffer at a time.
// A saved WAVE file is one source; the capture file of a recording that is still running is another.

#include <QtGlobal>
#include <cstdint>

namespace recording {

class PcmSource {
public:
    virtual ~PcmSource() = default;

    // Called once, before the first Read: every Read but the last hands out `framesPerRead` frames.
    // Raises a common::RuntimeError when the sound cannot be read.
    virtual void Open(std::int32_t framesPerRead) = 0;
    // Reads the next buffer. True when a whole buffer was read and more may follow; false for the last
    // portion (a whole buffer or less, its size in ReadSize, possibly 0). May wait for sound that is on
    // its way. Raises a common::RuntimeError when the sound cannot be read.
    virtual bool Read() = 0;
    // Frames placed in the buffer by the last Read.
    virtual std::int32_t ReadSize() const = 0;
    // The buffer: interleaved 16-bit samples.
    virtual const std::int16_t *ReadBufferPtr() const = 0;
    // The frames of the whole sound as far as known now; 0 while unknown.
    virtual qint64 TotalFrames() const = 0;
};

} // namespace recording
