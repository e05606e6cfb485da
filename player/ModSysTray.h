#pragma once
// The player's icon in the notification area, shown while the window is minimised.

#include <QString>

class FrmFM;

namespace ModSysTray {

enum TrayAction { Add = 0, Modify = 1, Delete = 2 };

// The tooltip: names the station while one plays, and the title it sends when it sends one.
QString TrayTip(bool playing, const QString &stationName, const QString &title = QString());

// Adds, modifies or deletes the tray icon with the window's current icon and the tooltip of the moment.
void SetTrayIcon(FrmFM &window, TrayAction action);

} // namespace ModSysTray
