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
#include <optional>

using platform::mci::mciGetErrorString;
using platform::mci::mciSendString;

namespace ModRecorder {

QString RecordFileName;
bool IsRecording = false;
std::int32_t RecordBytesPerSec = 0;
QString RecordingFolder;
QLabel *StatusLabel = nullptr;
std::function<void(const QString &reason)> StoppedByItself;
std::function<void(const QString &capturePath, const platform::mci::WaveFormat &format)> CaptureStarted;

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

// The PCM bytes the device holds; nothing when it cannot tell. A reply that is not a number counts
// as nothing recorded yet.
std::optional<double> RecordedBytes() {
    if (mciSendString(QStringLiteral("set recsound time format bytes")) != 0)
        return std::nullopt;
    int result = 0;
    const double bytes = StatusReply(QStringLiteral("length"), &result).toDouble();
    return result == 0 ? std::optional<double>(bytes) : std::nullopt;
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
    static const int kRates[] = {11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    if (settingId < 0 || settingId >= 8)
        return 0;
    const int rate = kRates[settingId];
    // The MP3 is asked for at 160 kbit/s; below 16000 Hz (MPEG 2.5) the encoder can give 64 at most.
    const double mp3BytesPerSec = (rate < 16000 ? 64000 : 160000) / 8.0;
    return int(common::RoundHalfEven(100 * mp3BytesPerSec / (4.0 * rate)));
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
    // A stored rate such as "1e39" is "Overflow" here, not an undefined conversion.
    RecordBytesPerSec = common::RoundToInt32(channelCount * bits / 8 * rate);
    RequestedFormat = {common::RoundToInt32(channelCount), common::RoundToInt32(bits),
                       common::RoundToInt32(rate)};
    DeviceRecording = Send(QStringLiteral("record recsound"), QStringLiteral("Error (record)")) == 0;
    QString capturePath;
    if (DeviceRecording && CaptureStarted &&
        mciSendString(QStringLiteral("info recsound file"), &capturePath) == 0 && !capturePath.isEmpty())
        CaptureStarted(capturePath, RequestedFormat);

    IsRecording = true;
    while (IsRecording) {
        ShowRecordingStatus();
        if (IsRecording)
            WaitForTheNextPass();
    }
}

void ShowRecordingStatus() {
    const std::optional<double> recorded = RecordedBytes();
    if (!recorded)
        IsRecording = false;
    const double bytes = recorded.value_or(0);
    int result = 0;
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

StopOutcome StopRecording() {
    DeviceRecording = false;
    Send(QStringLiteral("stop recsound"), QStringLiteral("Error (stop)"));
    StopOutcome outcome = StopOutcome::NothingRecorded;
    // When the device cannot tell, the save is tried: only a recording known to be empty is dropped.
    if (RecordedBytes().value_or(1) > 0) {
        // A folder that is gone has no short path; its own path fails the save with the device's reason
        // instead of saving at the root of the file system.
        QString folder = GetShortPath(RecordingFolder);
        if (folder.isEmpty())
            folder = RecordingFolder;
        outcome =
            Send(QStringLiteral("save recsound ") + folder + u'/' + RecordFileName + QStringLiteral(".tmp"),
                 QStringLiteral("Error (save)")) == 0
                ? StopOutcome::Saved
                : StopOutcome::NotSaved;
    }
    ReadRecordingFormat();
    Send(QStringLiteral("close recsound"), QStringLiteral("Error (close)"));
    mciSendString(QStringLiteral("close all"));
    if (outcome == StopOutcome::Saved)
        FixWaveHeader();
    return outcome;
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
