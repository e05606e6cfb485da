#pragma once
// Start-up of the player once it knows it is the only copy running.

#include <QString>

class FrmFM;

namespace ModOthers {

// The trimmed name of the station last started with Play.
extern QString CurrentStationName;
// True once the first Play of the run has played the clip. Run-wide: a reloaded window keeps it.
extern bool ClipPlayed;

// The folder of the running executable, without a trailing separator.
QString ProgramFolder();

// Loads and shows the main window, then the recording hint unless the listener switched it off.
// Returns the main window.
FrmFM *StartPlayer();

} // namespace ModOthers
