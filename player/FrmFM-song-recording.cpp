// Recording the station itself, one file per song: the mode's choice on the settings panel, and Record
// and Stop Recording in that mode. The stream is read beside playback over a connection of its own; the
// help line shows the song's file and its size while it records.

#include "common/error-handling.h"
#include "common/settings-store.h"
#include "platform/media/media-player-control.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/ModOthers-hover.h"
#include "player/ModOthers.h"
#include "player/element-colours.h"
#include "player/picture-box.h"
#include "player/recording/recording-folder.h"
#include "player/recording/song-recording.h"
#include "player/twips.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString kModeKey = QStringLiteral("Mode");
const QString kSongsMode = QStringLiteral("Songs");
const QString kCardMode = QStringLiteral("Card");

QString SizeText(qint64 bytes) {
    return bytes < 1024 * 1024 ? QStringLiteral("%1 KB").arg(bytes / 1024)
                               : QStringLiteral("%1 MB").arg(bytes / 1024.0 / 1024.0, 0, 'f', 2);
}

} // namespace

void FrmFM::CreateRecordModeChoice(const QColor &back, const QColor &fore) {
    // The rate buttons share the panel: a group of their own keeps the two choices apart.
    auto *modes = new QButtonGroup(this);
    OptRecordCard = new QRadioButton(QStringLiteral("Sound card"), PicSettingsBox);
    OptRecordSongs = new QRadioButton(QStringLiteral("Song files"), PicSettingsBox);
    OptRecordCard->setToolTip(QStringLiteral("Record what plays, as an MP3 file"));
    OptRecordSongs->setToolTip(
        QStringLiteral("Record the station's own stream as it is sent, one file per song"));
    twips::Place(OptRecordCard, 165, 2010, 1200, 195);
    twips::Place(OptRecordSongs, 1365, 2010, 1350, 195);
    for (QRadioButton *option : {OptRecordCard, OptRecordSongs}) {
        colours::Set(option, back, fore);
        modes->addButton(option);
    }
    OptRecordCard->setChecked(true);
}

void FrmFM::RestoreRecordMode() {
    const QString mode =
        common::GetSetting(common::kApplication, QStringLiteral("Record"), kModeKey).trimmed();
    (mode.compare(kSongsMode, Qt::CaseInsensitive) == 0 ? OptRecordSongs : OptRecordCard)->setChecked(true);
}

void FrmFM::SaveRecordMode() {
    common::SaveSetting(common::kApplication, QStringLiteral("Record"), kModeKey,
                        OptRecordSongs->isChecked() ? kSongsMode : kCardMode);
}

void FrmFM::StartSongRecording() {
    Tag = kRecordStarted;
    m_songRecording = new recording::SongRecording(QUrl::fromUserInput(WM->URL()),
                                                   recording::RecordingFolderFor(m_programFolder),
                                                   ModOthers::CurrentStationName, this);
    connect(m_songRecording, &recording::SongRecording::finished, this,
            [this](const QString &error) { SongRecordingEnded(error); });
    if (!m_songProgress) {
        m_songProgress = new QTimer(this);
        m_songProgress->setInterval(500);
        connect(m_songProgress, &QTimer::timeout, this, [this] { ShowSongRecordingProgress(); });
    }
    m_songProgress->start();
    ShowSongRecordingProgress();
}

void FrmFM::ShowSongRecordingProgress() {
    if (!m_songRecording)
        return;
    const QString file = m_songRecording->currentFile();
    LblMessage->setText(file.isEmpty()
                            ? QStringLiteral("Recording..... [waiting for the station]")
                            : QStringLiteral("Recording..... [%1 : %2]")
                                  .arg(QFileInfo(file).fileName(), SizeText(m_songRecording->currentSize())));
}

void FrmFM::StopSongRecording() {
    ModOthers::UnhookHover();
    if (m_songRecording)
        m_songRecording->stop(); // its end is told by SongRecordingEnded
}

void FrmFM::SongRecordingEnded(const QString &error) {
    const QString folder = m_songRecording->folder();
    const bool anyFile = !folder.isEmpty() && !QDir(folder).isEmpty(QDir::Files);
    m_songRecording->deleteLater();
    m_songRecording = nullptr;
    m_songProgress->stop();
    Tag.clear();
    PicRecord->show();
    PicRecordStop->hide();
    ShowRestingHelpLine();
    if (m_endingOnRequest && error.isEmpty())
        return;
    QString text = error.isEmpty() ? QString() : error + QStringLiteral("\r\n");
    if (anyFile)
        text += QStringLiteral("The songs are saved in the folder:\r\n") + QDir::toNativeSeparators(folder);
    ui::MessageBox(text, error.isEmpty() ? ui::Icon::Information : ui::Icon::Exclamation, ui::Buttons::OkOnly,
                   ui::kErrorTitle);
    if (std::exchange(m_reloadAfterRecording, false))
        emit ReloadRequested();
}
