#pragma once
// Handing things to the desktop: web pages, mail and files open in the user's default programs, and
// other programs start detached from ours.

#include <QString>
#include <QStringList>

namespace platform::shell {

// Opens a web address, a "mailto:" address or a file path with the desktop's default program.
// Returns false when the desktop could not open it.
bool OpenWithShell(const QString &target);

// Starts a program that outlives ours. Returns false when it could not be started.
bool StartProgram(const QString &program, const QStringList &arguments = {});

} // namespace platform::shell
