#include "player/recording/error-source.h"

#include <QCoreApplication>

namespace recording {

QString ErrorSource(const QString &place) { return QCoreApplication::applicationName() + u'.' + place; }

} // namespace recording
