#pragma once
// The files the player refuses to run without, looked for in the program folder in this order.

#include <QString>
#include <QStringList>
#include <optional>

namespace player {

// lame_enc.dll, Tunelark.dll, Process.dll, Player.dll, Stations (+ the platform's executable
// suffix), Skin.dll, Encoder.dll.
QStringList CompanionFiles();

// The first companion file missing from the folder, or nothing when all are there. A file counts as
// present when it is an ordinary, visible file.
std::optional<QString> FirstMissingCompanionFile(const QString &programFolder);

// The warning shown before the player ends for a missing file.
QString MissingCompanionFileMessage(const QString &programFolder, const QString &fileName);

} // namespace player
