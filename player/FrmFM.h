#pragma once
// The player's main window: frameless, its picture and outline from the skin, the station list with
// its arrows and counter, the display area, the news strip and the button row. Element names are the
// window's own; positions are designed in twips (15 to a pixel).

#include <QListWidget>
#include <QStringList>
#include <QWidget>
#include <array>

class PictureBox;
class QCheckBox;
class QLabel;
class QFrame;
class QRadioButton;
class QTimer;
class QMenu;
class QAction;
namespace platform::tray {
class TrayIcon;
}

class FrmFM : public QWidget {
    Q_OBJECT
public:
    // `programFolder` is the folder of the executable, without a trailing separator.
    explicit FrmFM(const QString &programFolder, QWidget *parent = nullptr);

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
    QFrame *PicNews;
    QLabel *LblMessage;
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
    QCheckBox *ChkNews;
    PictureBox *PicOK;
    PictureBox *PicAboutMe;
    PictureBox *PicCloseW;
    // About panel: credits and the links to the maker.
    QLabel *LblName, *LblDesig, *LblDesigned, *LblAdd, *LblEmail, *LblURL, *LblFaq;
    QLabel *ImgMail, *ImgURL, *ImgFAQ;

    // The tray icon and its menu: Open, Stop, separator, Close.
    platform::tray::TrayIcon *Tray;
    QMenu *RCPopup;
    QAction *mnuShow, *MnuPause, *mnusep, *mnuClose;

    // Repeats a held arrow button every 100 ms; its tag holds the direction, "Up" or "Down".
    QTimer *TmrList;
    QString TmrListTag;

    // Stream addresses; entry i belongs to list entry i.
    QStringList StationURLs;

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

    // True while the media player control plays.
    bool IsPlaying() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // The frameless window is dragged by its background.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // However it is minimised, the window goes to the tray.
    void changeEvent(QEvent *event) override;

private:
    void CreateElements();
    void CreateAboutPanel();
    void CreateMenus();
    // Hides the window and shows the tray icon.
    void GoToTray();
    // Ends the program: closes the window (and with it the media player) first.
    void Unload();
    void ConnectHandlers();
    void StartListRepeat(const QString &direction);
    // Sets the list index as the list does: an index outside −1…count−1 is refused.
    void SetListIndex(int index);

    QString m_programFolder;
    // Where a drag grabbed the window, when the window system cannot move it itself.
    QPoint m_dragOffset;
    bool m_manualDrag = false;
};
