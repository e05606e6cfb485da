#pragma once
// The player's main window: frameless, its picture and outline from the skin, the station list with
// its arrows and counter, the display area, the news strip and the button row. Element names are the
// window's own; positions are designed in twips (15 to a pixel).

#include <QIcon>
#include <QListWidget>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/mci/wave-format.h"
#include "player/now-playing/reconnect-policy.h"
#include "player/now-playing/song-history.h"
#include "player/window-drag.h"

class PictureBox;
class QCheckBox;
class QLineEdit;
class QLabel;
class QFrame;
class QRadioButton;
class QTimer;
class QMenu;
class QAction;
class CSocket;
namespace recording {
class LiveEncoder;
class SongRecording;
} // namespace recording
namespace platform::tray {
class TrayIcon;
}
namespace skins {
enum class Element;
}
namespace common {
class FolderEntries;
}
namespace platform::media {
class MediaPlayerControl;
}
namespace platform::http {
class Fetch;
}
namespace platform::dbus {
class Mpris;
class DesktopNotifications;
} // namespace platform::dbus
namespace now_playing {
class NowPlayingLine;
class SongHistoryDialog;
} // namespace now_playing

class FrmFM : public QWidget {
    Q_OBJECT
public:
    // The help line at rest.
    static inline const QString kCreditCaption = QStringLiteral("DEVELOPED BY :- TUNELARK");

    // `programFolder` is the folder of the executable, without a trailing separator.
    explicit FrmFM(const QString &programFolder, QWidget *parent = nullptr);
    ~FrmFM() override;

    // The load sequence: install folder, skin, companion-file check, stations, news, first station,
    // recording rate. Ends the program when a companion file is missing.
    void Form_Load();

    // Replaces the list with the stations of Player.dll, when that file exists.
    void LoadStations();
    // Loads the built-in stations, with a message, when the list holds none.
    void LoadDefaultStations();

    const QString &programFolder() const { return m_programFolder; }

    // Elements of the window.
    PictureBox *BackPic;
    PictureBox *PicMin;
    PictureBox *PicClose;
    PictureBox *PicMess;
    QFrame *PicHolder;
    // The media player control inside PicHolder.
    platform::media::MediaPlayerControl *WM;
    QFrame *PicNews;
    // The help line: the credit caption at rest (a click opens the developers' page), a button's help
    // text while the pointer rests on it, the recording's messages.
    PictureBox *LblMessage;
    PictureBox *PicUp;
    QFrame *PicLists;
    QListWidget *LstStations;
    PictureBox *PicDown;
    QFrame *PicCount;
    QLabel *LblCnt;
    PictureBox *PicPlay;
    PictureBox *PicStop;
    PictureBox *PicRecord;
    PictureBox *PicRecordStop;
    PictureBox *PicSettings;
    PictureBox *PicAdvanceRec;
    PictureBox *PicAbout;
    PictureBox *PicSettingsBox;
    std::array<QRadioButton *, 8> OptSampleRate{};
    // The recording mode: the sound card (the default), or the station's own stream one file per song.
    QRadioButton *OptRecordCard;
    QRadioButton *OptRecordSongs;
    QCheckBox *ChkNews;
    PictureBox *PicOK;
    PictureBox *PicAboutMe;
    PictureBox *PicCloseW;
    // About panel: credits and the links to the maker.
    QLabel *LblName, *LblDesig, *LblDesigned, *LblAdd, *LblEmail, *LblURL, *LblFaq;
    QLabel *ImgMail, *ImgURL, *ImgFAQ;
    // On the settings panel: the link to further skins, the headings and the message, the line between
    // the halves and the list of skins.
    QLabel *ImgMoreSkins;
    QLabel *LblRecSetting, *LblRecMsg, *LblSkinHead;
    QFrame *LnVert;
    QListWidget *LstSkins;
    // The rollover twins: hidden holders of the buttons' images under the pointer; PicTemp holds the
    // picture a swap takes out.
    PictureBox *PicPlayRoll, *PicStopRoll, *PicRecordRoll, *PicRecordStopRoll, *PicSettingsRoll,
        *PicAdvanceRecRoll, *PicAboutRoll, *PicUpRoll, *PicDownRoll, *PicCloseRoll, *PicMinRoll, *PicOKRoll,
        *PicCloseWRoll;
    PictureBox *PicTemp;

    // The tray icon and its menu: Open, Stop, separator, Close.
    platform::tray::TrayIcon *Tray;
    QMenu *RCPopup;
    QAction *mnuShow, *MnuPause, *mnusep, *mnuClose;
    // The View menu over the video: Video Size (200%, Full Screen), Volume Control (Show/Hide), Song
    // History, Song Notifications (on or off).
    QMenu *mnuView, *MnuSize, *mnuVolumeCtrl;
    QAction *mnu200, *mnuFull, *mnuShowVol, *mnuHistory, *mnuNotify;
    // The title the station sends, across the top of the display area while it sends one; every
    // title heard goes into the song history, which the View menu shows.
    now_playing::NowPlayingLine *LblNowPlaying;
    now_playing::SongHistory History;
    now_playing::SongHistoryDialog *HistoryWindow = nullptr;
    // With Song Notifications on, a new title while the window is hidden or minimised is shown as a
    // desktop notification; the choice is kept as [NowPlaying] Notify ("1" or "0", off when unset).
    platform::dbus::DesktopNotifications *SongNotices;
    void WM_NowPlayingChange();
    void mnuHistory_Click();
    void mnuNotify_Click();
    // Staying on air: a station that stops on its own after it played is opened again on the reconnect
    // policy's timetable, with "Reconnecting…" in the help line and the tooltip and no message; one
    // unavailable message when the policy gives up. Play, Stop and the tray's Stop end the retries.
    static inline const QString kReconnecting = QStringLiteral("Reconnecting…");
    QTimer *TmrReconnect;
    now_playing::ReconnectPolicy Reconnect;
    bool Reconnecting() const { return Reconnect.active(); }
    void StopReconnecting();
    void TmrReconnect_Timer();
    // The desktop's media controls (MPRIS): Play and Pause/Stop as the Play and Stop buttons, Next and
    // Previous play the neighbouring station of the list (round the ends), the volume is the volume
    // bar's; the station, the song and the play state go out as they change.
    static inline const QString kDesktopEntry = QStringLiteral("tunelark"); // the desktop file's name
    platform::dbus::Mpris *DesktopControls;
    void UpdateDesktopControls();

    // Playback: true from Play until Stop or a reported failure.
    bool StationPlaying = false;
    // "RecordStarted" while a recording runs.
    QString Tag;
    static inline const QString kRecordStarted = QStringLiteral("RecordStarted");
    // Flickers the icon every 200 ms while a station plays: frames 0–4, still icon 6.
    QTimer *TmrFlash;
    std::array<QIcon, 7> Flash;

    // Repeats a held arrow button every 100 ms; its tag holds the direction, "Up" or "Down".
    QTimer *TmrList;
    QString TmrListTag;

    // Stream addresses; entry i belongs to list entry i.
    QStringList StationURLs;

    // The news ticker: LblNews slides the pieces of the headline page over the news strip, in the
    // place of LblMessage, one pixel every 23 ms; after the last piece the page is fetched again.
    QLabel *LblNews;
    QTimer *TmrNewsSlide;
    // On the settings panel, beside ChkNews: "Show Indian News Headlines"; a click toggles the box.
    PictureBox *LblShowNews;
    // The socket of the headline fetch; a new one for each news start.
    CSocket *Winsock1 = nullptr;
    QString NewsHost, NewsPath, NewsText;
    QByteArray NewsData; // the page as it arrives, read as text once it is whole
    QStringList NewsItems;
    qsizetype NewsIndex = 0; // wide enough for every piece of the largest page
    // A fetch that has not finished by then is given up (TUNELARK_NEWS_TIMEOUT_MS for tests), and so is
    // a page larger than kLargestHeadlinePage.
    static constexpr int kHeadlineFetchLimitMs = 30000;
    static constexpr qsizetype kLargestHeadlinePage = 1 << 20;

    // The headline address: a public feed of Indian headlines, replaced by "News"/"URL" when set, and
    // by TUNELARK_NEWS_URL (tests). An https:// address is fetched by the platform's HTTPS download
    // within the same limits, an http:// one over Winsock1.
    static QString HeadlineUrl();
    static QString StoredHeadlineUrl();
    platform::http::Fetch *m_headlineFetch = nullptr;
    void FetchHeadlinesOverTls(const QString &url);
    // On the settings panel under ChkNews: the headline address, stored by the Close button when it is
    // an http or https address.
    QLineEdit *TxtNewsUrl;
    void SaveHeadlineUrl();
    // Starts the news as a window load does: a new socket and a fetch with the ticker shown when the
    // setting "News"/"Show" is "1", the ticker off otherwise.
    void StartNews();
    // Starts a fetch of the headline page, unless one is still under way.
    void GetHeadlines();
    void ParseHeadlines();
    void ShowHeadlines();
    void NoHeadlines();
    void TmrNewsSlide_Timer();
    void LblShowNews_Click();
    void Winsock1_OnConnect();
    void Winsock1_OnDataArrival(int bytesTotal);
    void Winsock1_OnClose();
    void Winsock1_OnError();
    // The ticker's text as stored ("&&" for a literal "&"); the label shows it with DisplayedCaption.
    QString NewsCaption() const { return m_newsCaption; }

    // Handlers.
    void LstStations_Click();
    void PicDown_MouseDown();
    void PicDown_MouseUp();
    void PicUp_MouseDown();
    void PicUp_MouseUp();
    void TmrList_Timer();
    void PicClose_Click();
    void PicMin_Click();
    void PicAbout_Click();
    void PicCloseW_Click();
    void mnuShow_Click();
    void mnuClose_Click();
    // A request from outside to end (a logout, `kill`): the player ends as its Close does, without
    // asking whether to listen to the new recording, a question no one is there to answer.
    void EndOnRequest();
    void mnuShowVol_Click();
    void mnu200_Click();
    void mnuFull_Click();

    void PicPlay_Click();
    void PicStop_Click();
    void MnuPause_Click();
    void WM_StatusChange();
    void WM_MouseDown(int button);
    void TmrFlash_Timer();
    void LstStations_DblClick();
    // Plays the clip Process.dll through the multimedia command strings; every result is ignored.
    void PlayName();
    // Sets the control's height from "VolumeControl"/"Show": the volume bar shows at 2100 twips.
    void GetVolumeControlSettings();

    // True while the media player control plays.
    bool IsPlaying() const;

    // Skins: fills LstSkins ("Spider Man" first, then one entry per folder of Skins) and loads the
    // current skin onto the designed window: its colours, images and layout.
    void GetAvailableSkins();
    void LoadSkin(const QString &name);
    // Moves the main elements to the ten layout fields (twips); the rest follow them.
    void AdjustPosition(const QStringList &field);

    // The settings panel: the Settings button shows and hides it; its close button saves the rate,
    // the news choice and the skin, and asks for the window to be reloaded (ReloadRequested), which
    // is how they take effect. A running recording is finished first.
    void PicSettings_Click();
    void PicOK_Click();

    // The help line at rest: the credit caption, the custom pointer and the link's tooltip.
    void ShowCreditCaption();
    void LblMessage_Click();

    // Recording: Record starts it and returns only when it has been stopped and converted; Stop
    // Recording (or Stop, or closing the player) stops it, saves it and converts it into
    // "Recorded_ddmmyyhhmmss.mp3" beside the program, or in the music folder when the program folder
    // is not writable. A recording that cannot be converted is kept as a WAVE file.
    void PicRecord_Click();
    void PicRecordStop_Click();
    // Starts the advanced recorder Encoder.dll.
    void PicAdvanceRec_Click();
    // Stops, saves and converts a running recording; nothing when none runs.
    void FinishRecording();
    // Recordings left unsaved when the program last ended abruptly (a crash, a power cut): each is
    // kept as "Recorded_ddmmyyhhmmss.wav" of when it started, where recordings go, and the listener
    // is told where.
    void KeepInterruptedRecordings();
    // "Saving MP3 File.........." + percent + "%" in the help line, painted at once.
    void ShowSaveProgress(int percent);

signals:
    // The settings were saved: the window is to be unloaded and loaded afresh.
    void ReloadRequested();

protected:
    // The frameless window is dragged by its background.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // However it is minimised, the window goes to the tray.
    void changeEvent(QEvent *event) override;
    // Closing the window closes the player, finishing a running recording first.
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateElements();
    static QFont PanelFont();
    // The settings panel's link to more skins, in a skin's text colour.
    void SetMoreSkinsColour(const QColor &colour);
    void CreateSettingsPanelElements();
    void CreateRolloverTwins();
    void CreateAboutPanel();
    void CreateMenus();
    void CreateMediaControl();
    void CreateNowPlaying();
    void CreateReconnect();
    void CreateDesktopControls();
    // Plays the selected station, the first when none is selected; nothing with an empty list.
    void PlayFromDesktop();
    // Plays the station `step` places from the selected one, round the ends of the list.
    void PlayNeighbour(int step);
    // Songs told apart for the desktop: a new number whenever the title or the station changes.
    int m_desktopTrack = 0;
    QString m_desktopTitle, m_desktopStation;
    // The station's stream stopped on its own: retries begin (once it had played) or go on.
    void StationDropped();
    void ScheduleReconnect();
    void ShowStationUnavailable();
    // Playing has been reached since the station was chosen; a drop before that is no drop.
    bool m_onAir = false;
    QString m_reconnectUrl;
    void CreateRecording();
    void ApplySkinColours(const QColor &back, const QColor &fore);
    void LoadSkinImages(const common::FolderEntries &skinFiles);
    // The elements the layout places, by their place in it.
    std::vector<std::pair<skins::Element, QWidget *>> LayoutElements() const;
    void CreateNews();
    void CreateSettingsPanel();
    void CreateRollover();
    void SetNewsCaption(const QString &caption);
    // Releases the fetch's socket and starts over with a new one: the next fetch starts afresh.
    void AbandonFetch();
    // Stop Recording's ends: the saved recording converted to MP3 (or kept as a WAVE file when it
    // cannot be), an unsaved one kept where it can be written, the help line and ticker back at rest.
    void ConvertRecording();
    void KeepUnsavedRecording();
    void ShowRestingHelpLine();
    // The temporary WAVE file renamed to `kept`; where the recording is now.
    static QString KeepWave(const QString &wave, const QString &kept);
    static void TellKept(const QString &text, const QString &path);
    // Capture files nobody holds, saved as dated WAVE files in `folder`; their paths.
    static QStringList KeepCapturesIn(const QString &folder);
    // Moves the stream into the enlarged view until it closes.
    void OpenBigView(const QString &mode);
    // Hides the window and shows the tray icon.
    void GoToTray();
    // Ends the program: closes the window (and with it the media player) first.
    void Unload();
    void ConnectHandlers();
    void StartListRepeat(const QString &direction);
    // Sets the list index as the list does: an index outside −1…count−1 is refused.
    void SetListIndex(int index);

    QString m_programFolder;
    WindowDrag m_drag;
    QString m_newsCaption;
    // Set when the settings were saved during a recording: the reload waits until Record returns.
    bool m_reloadAfterRecording = false;
    // Set by EndOnRequest: a recording finished on the way out tells only what went wrong.
    bool m_endingOnRequest = false;
    // The MP3 made while the recording runs, so Stop Recording has only its last moments to encode;
    // none when it could not start (the recording is then converted after Stop, as before).
    std::unique_ptr<recording::LiveEncoder> m_liveEncoder;
    void StartLiveEncoding(const QString &capturePath, const platform::mci::WaveFormat &format);
    // Recording the station's songs (FrmFM-song-recording.cpp): the mode's choice on the settings
    // panel, stored as Record/Mode ("Card" or "Songs"); Record and Stop Recording in that mode.
    void CreateRecordModeChoice(const QColor &back, const QColor &fore);
    void RestoreRecordMode();
    void SaveRecordMode();
    void StartSongRecording();
    void StopSongRecording();
    void ShowSongRecordingProgress();
    void SongRecordingEnded(const QString &error);
    // The running per-song recording, a child of the window; none otherwise.
    recording::SongRecording *m_songRecording = nullptr;
    QTimer *m_songProgress = nullptr;
    QTimer *m_fetchLimit = nullptr;
};
