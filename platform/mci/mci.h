#pragma once
// The multimedia command layer: command texts in, MCI error codes out, as the player sends them
// ("open FILE type MPEGVideo alias NAME", "play NAME", "close NAME", "close all"). Device types:
// "mpegvideo" (plays a file once).
//
// Threads: call from one thread (the GUI thread); open devices are kept per process until closed.

#include <QString>

namespace platform::mci {

// Carries out `command`; returns 0 or an MCI error code (see mci-errors.h). A command that answers
// with text writes it to `answer` when given.
int mciSendString(const QString &command, QString *answer = nullptr);

// The text for an error code returned by mciSendString; empty for an unknown code.
QString mciGetErrorString(int code);

} // namespace platform::mci
