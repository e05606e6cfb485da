#pragma once
// The recording sample rate chosen on the settings panel, kept program-wide after start-up.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace player {

// Index 0–7 of the selected sample-rate button.
extern std::int16_t RecordSettingID;
// The rate in hertz as decimal text.
extern QString RecordSettingValue;

// The captions of the sample-rate buttons, by index.
const QStringList &SampleRateCaptions();

// Applies the stored "Record" values: either one empty after trimming gives index 7 and "48000";
// otherwise the index is the numeric value of `settingId` rounded half to even to 16 bits and the
// value is `settingValue` trimmed. Throws RuntimeError "Type mismatch" for an index that is not a
// number and "Overflow" for one outside 16 bits; the values then stay as they were.
void RestoreRecordSettings(const QString &settingId, const QString &settingValue);

} // namespace player
