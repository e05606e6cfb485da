#pragma once
// The multimedia command layer: command texts in, MCI error codes out, as the player sends them
// ("open FILE type MPEGVideo alias NAME", "play NAME", "close NAME", "close all"). Device types:
// "mpegvideo" (plays a file once) and "waveaudio" ("open new type waveaudio alias NAME", then
// "set", "record", "status", "stop", "save NAME PATH", "info NAME file": records the sound card into a WAVE
// file).
//
// Threads: call from one thread (the GUI thread); open devices are kept per process until closed.

#include <QString>

namespace platform::mci {

// Carries out `command`; returns 0 or an MCI error code (see mci-errors.h). A command that answers
// with text writes it to `answer` when given.
int mciSendString(const QString &command, QString *answer = nullptr);

// The text for an error code returned by mciSendString; empty for an unknown code.
QString mciGetErrorString(int code);

// The PulseAudio source that "waveaudio" devices record from their next "record" on; empty text
// means the monitor of the default output, i.e. what is playing.
void SetWaveAudioSource(const QString &source);

} // namespace platform::mci
