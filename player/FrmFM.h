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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void CreateElements();
    void ConnectHandlers();
    void StartListRepeat(const QString &direction);
    // Sets the list index as the list does: an index outside −1…count−1 is refused.
    void SetListIndex(int index);

    QString m_programFolder;
};
