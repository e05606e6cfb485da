#pragma once
// Checks an MP3 file the encoder has just written before the recording it came from is let go: every
// frame whole and well-formed, and as long as the recording.

#include <QString>

namespace recording {

// Walks the MPEG audio frames of the file at `path`, which starts with the Info/LAME tag frame. Empty
// text when every frame is a whole, well-formed layer III frame at `sampleRate`, the last one ends the
// file, and the sound they decode to (the audio frames' samples less the encoder delay and padding the
// LAME tag gives) is within one frame of `frames`; otherwise what is wrong, in a few words.
QString CheckMp3(const QString &path, qint64 frames, int sampleRate);

} // namespace recording
