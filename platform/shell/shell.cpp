#include "platform/shell/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform::shell {

bool OpenWithShell(const QString &target) {
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool StartProgram(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace platform::shell
