#pragma once
// The source that the recording classes give their errors: the running program's name, a dot and the
// place, e.g. "Tunelark.cWavePlayer".

#include <QString>

namespace recording {

QString ErrorSource(const QString &place);

} // namespace recording
