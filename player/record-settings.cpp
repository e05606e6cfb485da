#include "player/record-settings.h"

#include "common/numbers.h"
#include "common/rounding.h"
#include "common/runtime-error.h"

namespace player {

std::int16_t RecordSettingID = 7;
QString RecordSettingValue = QStringLiteral("48000");

const QStringList &SampleRateCaptions() {
    static const QStringList captions{
        QStringLiteral("11025"), QStringLiteral("12000"), QStringLiteral("16000"), QStringLiteral("22050"),
        QStringLiteral("24000"), QStringLiteral("32000"), QStringLiteral("44100"), QStringLiteral("48000")};
    return captions;
}

void RestoreRecordSettings(const QString &settingId, const QString &settingValue) {
    const QString id = settingId.trimmed();
    const QString value = settingValue.trimmed();
    if (id.isEmpty() || value.isEmpty()) {
        RecordSettingID = 7;
        RecordSettingValue = QStringLiteral("48000");
        return;
    }
    RecordSettingID = common::RoundToInt16(common::ParseNumber(id, QStringLiteral("FrmFM")));
    RecordSettingValue = value;
}

} // namespace player
