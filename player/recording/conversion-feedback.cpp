#include "player/recording/conversion-feedback.h"

namespace recording {

QString SaveProgressText(int percent) { return QStringLiteral("Saving MP3 File..........%1%").arg(percent); }

} // namespace recording
