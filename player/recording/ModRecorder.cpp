#include "player/recording/ModRecorder.h"

#include "common/blanks.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "common/runtime-error.h"
#include "common/settings-store.h"
#include "platform/mci/mci.h"
#include "platform/mci/wave-format.h"
#include "platform/ui/message-box.h"
#include "player/record-settings.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

using platform::mci::mciGetErrorString;
using platform::mci::mciSendString;

namespace ModRecorder {

QString RecordFileName;
bool IsRecording = false;
std::int32_t RecordBytesPerSec = 0;
QString RecordingFolder;
QLabel *StatusLabel = nullptr;
std::function<void(const QString &reason)> StoppedByItself;

namespace {

// The reply buffers of the command interface.
constexpr int kReplyLength = 1024;
constexpr int kStatusReplyLength = 255;
// How often the wait loop refreshes the size estimate.
constexpr int kRefreshMs = 100;

// The format asked for, and whether the device took "record".
platform::mci::WaveFormat RequestedFormat;
bool DeviceRecording = false;

// Sends `command`; a refusal shows the device's error text in a box titled `title`.
int Send(const QString &command, const QString &title, QString *reply = nullptr) {
    QString answer;
    const int result = mciSendString(command, &answer);
    if (reply != nullptr)
        *reply = answer.left(kReplyLength);
    if (result != 0)
        ui::MessageBox(mciGetErrorString(result).left(kReplyLength), ui::Icon::None, ui::Buttons::OkOnly,
                       title);
    return result;
}

double Number(const QString &text) { return common::ParseNumber(text, QStringLiteral("ModRecorder")); }

QString StatusReply(const QString &item, int *result) {
    QString reply;
    *result = mciSendString(QStringLiteral("status recsound ") + item, &reply);
    return reply.left(kStatusReplyLength);
}

// A non-negative number with the blank before it that the classic number-to-text conversion leaves.
QString WithSignBlank(double value) {
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value);
}

// Lets the window handle everything that is waiting, then sleeps until the next refresh or event.
void WaitForTheNextPass() {
    QEventLoop loop;
    QTimer::singleShot(kRefreshMs, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

QString TemporaryWavePath() { return RecordingFolder + u'/' + RecordFileName + QStringLiteral(".tmp"); }

int SizeFactor(int settingId) {
    static const int kFactors[] = {45, 42, 31, 23, 21, 16, 11, 10};
    return settingId >= 0 && settingId < 8 ? kFactors[settingId] : 0;
}

QString RecordingStatusText(double recordedBytes, int settingId) {
    const double megabytes = recordedBytes / 1024 / 1024;
    const double shown = SizeFactor(settingId) * megabytes / 100;
    return QStringLiteral("Recording..... [File Size : ") + QString::number(shown, 'f', 2) +
           QStringLiteral(" MB]");
}

void StartRecording(const QString &channels, const QString &bitsPerSample, const QString &samplesPerSecond) {
    const double channelCount = Number(channels);
    const double bits = Number(bitsPerSample);
    const double rate = Number(samplesPerSecond);
    platform::mci::SetWaveAudioSource(
        common::GetSetting(common::kApplication, QStringLiteral("Record"), QStringLiteral("Source")));

    mciSendString(QStringLiteral("close all"));
    Send(QStringLiteral("open new Type waveaudio Alias recsound"), QStringLiteral("Error"));
    Send(QStringLiteral("set recsound time format ms"), QStringLiteral("Error (time format)"));
    Send(QStringLiteral("set recsound format tag pcm"), QStringLiteral("Error (format tag)"));
    Send(QStringLiteral("set recsound channels ") + channels, QStringLiteral("Error (channels)"));
    Send(QStringLiteral("set recsound samplespersec ") + samplesPerSecond,
         QStringLiteral("Error (samples/sec)"));
    Send(QStringLiteral("set recsound bitspersample ") + bitsPerSample,
         QStringLiteral("Error (bits/sample)"));
    const double alignment = common::RoundHalfEven(bits / 8 * channelCount);
    Send(QStringLiteral("set recsound alignment ") + WithSignBlank(alignment),
         QStringLiteral("Error (block align)"));
    RecordBytesPerSec = static_cast<std::int32_t>(common::RoundHalfEven(channelCount * bits / 8 * rate));
    RequestedFormat = {int(channelCount), int(bits), int(rate)};
    DeviceRecording = Send(QStringLiteral("record recsound"), QStringLiteral("Error (record)")) == 0;

    IsRecording = true;
    while (IsRecording) {
        ShowRecordingStatus();
        if (IsRecording)
            WaitForTheNextPass();
    }
}

void ShowRecordingStatus() {
    if (mciSendString(QStringLiteral("set recsound time format bytes")) != 0)
        IsRecording = false;
    int result = 0;
    // A reply that is not a number counts as nothing recorded yet.
    const double bytes = StatusReply(QStringLiteral("length"), &result).toDouble();
    if (result != 0)
        IsRecording = false;
    if (StatusLabel != nullptr)
        StatusLabel->setText(RecordingStatusText(bytes, player::RecordSettingID));

    if (!IsRecording || !DeviceRecording ||
        StatusReply(QStringLiteral("mode"), &result) != QLatin1String("stopped") || result != 0)
        return;
    DeviceRecording = false;
    const bool full = bytes >= double(platform::mci::MaxWaveDataBytes(RequestedFormat));
    if (StoppedByItself)
        StoppedByItself(
            full ? QStringLiteral("The recording has reached the largest size a WAVE file can "
                                  "hold (4 GB) and was stopped.\r\nIt is saved as an MP3 file now.")
                 : QString());
}

void StopRecording() {
    DeviceRecording = false;
    Send(QStringLiteral("stop recsound"), QStringLiteral("Error (stop)"));
    Send(QStringLiteral("save recsound ") + GetShortPath(RecordingFolder) + u'/' + RecordFileName +
             QStringLiteral(".tmp"),
         QStringLiteral("Error (save)"));
    ReadRecordingFormat();
    Send(QStringLiteral("close recsound"), QStringLiteral("Error (close)"));
    mciSendString(QStringLiteral("close all"));
    FixWaveHeader();
}

void ReadRecordingFormat() {
    int result = 0;
    const int channels = StatusReply(QStringLiteral("channels"), &result) == QLatin1String("1") ? 1 : 2;
    const int bits = StatusReply(QStringLiteral("bitspersample"), &result).toInt();
    const int rate = StatusReply(QStringLiteral("samplespersec"), &result).toInt();
    StatusReply(QStringLiteral("bytespersec"), &result);
    RecordBytesPerSec = channels * bits / 8 * rate;
}

void FixWaveHeader() {
    QFile file(TemporaryWavePath());
    // A save that failed left no file; anything but a WAVE file is not ours to change.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return;
    const QByteArray start = file.read(12);
    if (start.size() < 12 || !start.startsWith("RIFF") || start.mid(8, 4) != "WAVE" || !file.seek(28))
        return;
    const auto value = static_cast<std::uint32_t>(RecordBytesPerSec);
    const char bytes[3] = {char(value & 0xFF), char((value >> 8) & 0xFF), char((value >> 16) & 0xFF)};
    file.write(bytes, 3);
}

QString GetShortPath(const QString &path) {
    const QString trimmed = common::TrimBlanks(path);
    return !trimmed.isEmpty() && QFileInfo::exists(trimmed) ? trimmed : QString();
}

} // namespace ModRecorder
