#pragma once
// What a WAVE-to-MP3 conversion shows while it runs. The main window supplies both hooks (its help line
// and critical message boxes); the command-line tool prints them.

#include <QString>
#include <functional>

namespace recording {

struct ConversionFeedback {
    // ShowSaveProgress: shows SaveProgressText(percent) at once. Whatever it throws is ignored.
    std::function<void(int percent)> ShowSaveProgress;
    // A message for the listener: a critical, OK-only box titled "Ravelto's Online Radio".
    std::function<void(const QString &text)> ShowError;
};

// "Saving MP3 File.........." followed by the percent and "%".
QString SaveProgressText(int percent);

} // namespace recording
