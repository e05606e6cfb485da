#pragma once
// The tool's access to station files: the common reader and writer, with their failures turned into
// one-line messages and a guard against overwriting a file that is not a station file. A FILE that names
// the Player.dll of the tool's own program folder stands for the list the programs use there: when that
// folder cannot be changed, it is read from the user's copy when there is one and changes go to the
// user's copy (common/user-data.h).

#include "common/station-file.h"

#include <QString>

namespace cli {

// The stations of an existing file; fails when the file does not exist or cannot be read.
common::StationList LoadStationFile(const QString &path);

// The stations of a file that is about to be rewritten: none when it does not exist yet. Fails when it
// holds anything but digits and line ends, which no station file does, so that no other file is
// overwritten by mistake.
common::StationList LoadStationFileForUpdate(const QString &path);

// Rewrites the file atomically.
void SaveStationFile(const QString &path, const common::StationList &stations);

// Adds the incoming stations whose addresses the file does not hold yet, through the merge the player
// uses, rewriting the file (created when absent) only when something was added; prints how many were.
void MergeIntoStationFile(const QString &path, const common::StationList &incoming);

} // namespace cli
