// Recording: Record and Stop Recording (stop, save, convert to a dated MP3 file, offer to play it),
// the advanced recorder, and finishing a running recording before the window goes.

#include "common/advanced-recorder.h"
#include "platform/mci/capture-file.h"
#include "platform/shell/shell.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/ModOthers-hover.h"
#include "player/picture-box.h"
#include "player/record-settings.h"
#include "player/recording/ModRecorder.h"
#include "player/recording/WAVToMP3.h"
#include "player/recording/encoder-library.h"
#include "player/recording/live-encoder.h"
#include "player/recording/recording-folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <utility>

void FrmFM::CreateRecording() {
    connect(PicRecord, &PictureBox::Click, this, [this] { PicRecord_Click(); });
    connect(PicRecordStop, &PictureBox::Click, this, [this] { PicRecordStop_Click(); });
    connect(PicAdvanceRec, &PictureBox::Click, this, [this] { PicAdvanceRec_Click(); });
}

void FrmFM::ShowSaveProgress(int percent) {
    LblMessage->setText(recording::SaveProgressText(percent));
    LblMessage->repaint();
}

void FrmFM::PicRecord_Click() {
    ui::RunShowingErrors([this] {
        if (!StationPlaying) {
            ui::MessageBox(
                QStringLiteral("Please click on the Play button first to start playing the Radio\r\n"
                               "and then click the Record button."),
                ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
            return;
        }
        NoHeadlines();
        PicRecordStop->show();
        PicRecord->hide();
        if (OptRecordSongs->isChecked()) {
            StartSongRecording();
            return;
        }
        ModRecorder::RecordFileName = QStringLiteral("Recorded_") +
                                      QDateTime::currentDateTime().toString(QStringLiteral("ddMMyyHHmmss"));
        for (int index = 0; index < int(OptSampleRate.size()); ++index) {
            if (OptSampleRate[index]->isChecked()) {
                player::RecordSettingID = static_cast<std::int16_t>(index);
                player::RecordSettingValue = OptSampleRate[index]->text();
            }
        }
        Tag = kRecordStarted;
        ModRecorder::RecordingFolder = recording::RecordingFolderFor(m_programFolder);
        ModRecorder::StatusLabel = LblMessage;
        ModRecorder::StoppedByItself = [this](const QString &reason) {
            if (!reason.isEmpty())
                ui::MessageBox(reason, ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
            PicRecordStop_Click();
        };
        ModRecorder::CaptureStarted = [this](const QString &capturePath,
                                             const platform::mci::WaveFormat &format) {
            StartLiveEncoding(capturePath, format);
        };
        ModRecorder::StartRecording(QStringLiteral("2"), QStringLiteral("16"), player::RecordSettingValue);
    });
    if (std::exchange(m_reloadAfterRecording, false))
        emit ReloadRequested();
}

void FrmFM::PicRecordStop_Click() {
    if (m_songRecording) {
        StopSongRecording();
        return;
    }
    try {
        ModOthers::UnhookHover();
        ModRecorder::IsRecording = false;
        LblMessage->setText(QStringLiteral("Saving MP3 File Please wait...."));
        LblMessage->repaint();
        PicRecord->show();
        PicRecordStop->hide();
        ShowSaveProgress(10);
        const ModRecorder::StopOutcome outcome = ModRecorder::StopRecording();
        ShowSaveProgress(20);
        switch (outcome) {
        case ModRecorder::StopOutcome::Saved:
            ConvertRecording();
            break;
        case ModRecorder::StopOutcome::NotSaved:
            m_liveEncoder.reset();
            KeepUnsavedRecording();
            break;
        case ModRecorder::StopOutcome::NothingRecorded:
            m_liveEncoder.reset();
            ShowRestingHelpLine();
            ui::MessageBox(QStringLiteral("Nothing was recorded, so no file was made."),
                           ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
            break;
        }
        Tag.clear();
    } catch (const std::exception &error) {
        m_liveEncoder.reset();
        Tag.clear();
        ui::ShowError(error);
    }
}

void FrmFM::ShowRestingHelpLine() {
    ShowCreditCaption();
    LblMessage->repaint();
    ShowHeadlines();
}

void FrmFM::ConvertRecording() {
    const QString wave = ModRecorder::TemporaryWavePath();
    const QString base = ModRecorder::RecordingFolder + u'/' + ModRecorder::RecordFileName;
    const QString mp3 = base + QStringLiteral(".mp3");
    if (QFile::exists(mp3))
        QFile::remove(mp3);
    // The encoder's messages wait until it is known whether it could start at all: a library that
    // cannot be loaded is told once, together with where the recording is kept.
    QStringList messages;
    const QString result = [&] {
        WAVToMP3 converter(recording::EncoderLibraryPath(m_programFolder),
                           {[this](int percent) { ShowSaveProgress(percent); },
                            [&messages](const QString &text) { messages << text; }});
        if (m_liveEncoder) {
            const std::unique_ptr<recording::LiveEncoder> live = std::move(m_liveEncoder);
            const QString failure = converter.CompleteLiveMP3(*live, wave, mp3, true);
            if (failure.isEmpty())
                return failure;
            // The recording is all in the WAVE file still: it is converted as it would have been.
            qWarning("recording: the MP3 made while recording is not used: %s", qPrintable(failure));
        }
        return converter.CreateWAVtoMP3(wave, mp3, true);
    }();
    if (result == cLameEncoder::kLibraryNotStarted && !messages.isEmpty()) {
        TellKept(QStringLiteral("The MP3 encoder could not be loaded: ") + messages.first() +
                     QStringLiteral("\r\nThe recording is kept as a WAVE file:\r\n"),
                 KeepWave(wave, base + QStringLiteral(".wav")));
        return;
    }
    for (const QString &message : std::as_const(messages))
        ui::ShowError(message);
    if (!result.isEmpty()) {
        TellKept(
            QStringLiteral("The recording could not be converted to MP3.\r\nIt is kept as a WAVE file:\r\n"),
            KeepWave(wave, base + QStringLiteral(".wav")));
        return;
    }
    ShowRestingHelpLine();
    if (m_endingOnRequest)
        return;
    if (ui::MessageBox(QStringLiteral("MP3 File created successfully.\r\nDo you want to listen to the "
                                      "below file?\r\n") +
                           mp3,
                       ui::Icon::Information, ui::Buttons::YesNo, ui::kErrorTitle) == ui::Answer::Yes)
        platform::shell::OpenWithShell(mp3);
}

// Only a 16-bit stereo capture is what the encoder takes; any other is converted after Stop, which
// reports why it cannot be.
void FrmFM::StartLiveEncoding(const QString &capturePath, const platform::mci::WaveFormat &format) {
    m_liveEncoder.reset();
    if (format.channels != 2 || format.bitsPerSample != 16)
        return;
    const QString mp3 = ModRecorder::RecordingFolder + u'/' + ModRecorder::RecordFileName +
                        QStringLiteral(".mp3") + recording::kLiveMp3Suffix;
    m_liveEncoder =
        std::make_unique<recording::LiveEncoder>(recording::EncoderLibraryPath(m_programFolder), capturePath,
                                                 platform::mci::kWaveHeaderSize, format.samplesPerSec, mp3);
}

// A recording that could not become an MP3 file is never thrown away: it stays as a WAVE file.
QString FrmFM::KeepWave(const QString &wave, const QString &kept) {
    return QFile::rename(wave, kept) ? kept : wave;
}

void FrmFM::TellKept(const QString &text, const QString &path) {
    ui::MessageBox(text + path, ui::Icon::Exclamation, ui::Buttons::OkOnly, ui::kErrorTitle);
}

// The save failed (the folder is gone, the disk is full): the device left the recording in its capture
// folder. It goes to the music folder as a WAVE file, or, when nothing can be written there either,
// stays where it is for the next start to keep.
void FrmFM::KeepUnsavedRecording() {
    const QStringList kept = KeepCapturesIn(recording::MusicRecordingFolder());
    if (!kept.isEmpty()) {
        TellKept(QStringLiteral("The recording could not be saved in ") +
                     QDir::toNativeSeparators(ModRecorder::RecordingFolder) +
                     QStringLiteral(".\r\nIt is kept as a WAVE file:\r\n"),
                 kept.join(QStringLiteral("\r\n")));
        return;
    }
    TellKept(QStringLiteral("The recording could not be saved anywhere. It stays in the folder below and "
                            "is kept as a WAVE file the next time Tunelark starts:\r\n"),
             platform::mci::CaptureFolder());
}

QStringList FrmFM::KeepCapturesIn(const QString &folder) {
    return platform::mci::KeepInterruptedCaptures([&](const QDateTime &started) {
        const QString base =
            folder + QStringLiteral("/Recorded_") + started.toString(QStringLiteral("ddMMyyHHmmss"));
        QString path = base + QStringLiteral(".wav");
        for (int next = 2; QFile::exists(path); ++next)
            path = base + QStringLiteral("_%1.wav").arg(next);
        return path;
    });
}

void FrmFM::FinishRecording() {
    if (Tag == kRecordStarted)
        PicRecordStop_Click();
}

void FrmFM::KeepInterruptedRecordings() {
    const QString folder = recording::RecordingFolderFor(m_programFolder);
    // What a live encoding had made when the program ended is of no use: its recording is kept whole.
    const QStringList unfinished = QDir(folder).entryList(
        {QStringLiteral("Recorded_*.mp3") + recording::kLiveMp3Suffix}, QDir::Files | QDir::Hidden);
    for (const QString &name : unfinished)
        QFile::remove(folder + u'/' + name);
    const QStringList kept = KeepCapturesIn(folder);
    if (!kept.isEmpty())
        ui::MessageBox(QStringLiteral("Tunelark ended while recording. What was recorded until then is kept "
                                      "as a WAVE file:\r\n") +
                           kept.join(QStringLiteral("\r\n")),
                       ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
}

void FrmFM::PicAdvanceRec_Click() {
    ui::RunShowingErrors([this] {
        ModOthers::UnhookHover();
        if (!platform::shell::StartProgram(m_programFolder + QStringLiteral("/Encoder.dll"),
                                           {QString::fromLatin1(common::kAdvancedRecorderToken)}))
            throw common::RuntimeError::fromNumber(common::ErrFileNotFound, QStringLiteral("FrmFM"));
    });
}
