#include "common/settings-store.h"

#include "common/runtime-error.h"
#include "platform/settings/settings-backend.h"

namespace common {

QString GetSetting(const QString &application, const QString &section, const QString &key) {
    return platform::settings::Read(application, section, key);
}

void SaveSetting(const QString &application, const QString &section, const QString &key,
                 const QString &value) {
    if (!platform::settings::Write(application, section, key, value))
        throw RuntimeError::fromNumber(ErrPathFileAccess, QStringLiteral("SaveSetting"));
}

} // namespace common
