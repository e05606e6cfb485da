#include "platform/instance/single-instance.h"

#include "platform/settings/settings-backend.h"

#include <QDir>
#include <QFileInfo>

namespace platform::instance {

SingleInstance::SingleInstance(const QString &name) {
    // The settings folder is per user, so each user may run one copy.
    const QString folder = QFileInfo(platform::settings::SettingsFilePath(name)).absolutePath();
    QDir().mkpath(folder);
    m_lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + name + QStringLiteral(".lock"));
    // Never stale by age: only a lock whose process has ended is taken over.
    m_lock->setStaleLockTime(0);
    // A lock that cannot even be created (no writable settings folder) says nothing about other
    // copies: run rather than refuse.
    m_isFirst = m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError;
}

} // namespace platform::instance
