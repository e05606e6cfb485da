// The main window as designed: every element at its built-in place with its built-in image and colours.

#include "common/units.h"
#include "player/FrmFM.h"
#include "player/element-colours.h"
#include "player/picture-box.h"
#include "player/record-settings.h"
#include "player/skins/builtin-skin.h"
#include "player/twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace {

const QColor kBackColour(64, 0, 0);
const QColor kForeColour(222, 206, 140);
const QColor kCountColour(117, 47, 12);

QFrame *Frame(QWidget *parent, const QColor &back) {
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    colours::Set(frame, back, kForeColour);
    return frame;
}

// A picture element at a designed place, showing its built-in image at the image's size.
PictureBox *Picture(QWidget *parent, const QString &skinFile, int left, int top) {
    auto *picture = new PictureBox(parent);
    picture->setPicture(player::BuiltInImage(skinFile));
    twips::Move(picture, left, top);
    return picture;
}

} // namespace

QFont FrmFM::PanelFont() {
    // Small enough that the panels' texts fit the places they are designed for.
    QFont font;
    font.setPixelSize(10);
    return font;
}

void FrmFM::CreateElements() {
    BackPic = Picture(this, QStringLiteral("Main.bmp"), 0, 0);
    BackPic->hide();

    PicMin = Picture(this, QStringLiteral("Minimize.jpg"), 7800, 1995);
    PicClose = Picture(this, QStringLiteral("Exit.jpg"), 8100, 1995);

    PicHolder = Frame(this, Qt::black);
    twips::Place(PicHolder, 3240, 2520, 2700, 2070);
    PicMess = Picture(this, QStringLiteral("Welcome.jpg"), 3240, 2505);

    PicNews = Frame(this, kBackColour);
    PicNews->setFont(PanelFont());
    twips::Place(PicNews, 3240, 4785, 2715, 300);
    LblMessage = new PictureBox(PicNews);
    twips::Place(LblMessage, 60, 15, 2505, 195);
    colours::Set(LblMessage, kBackColour, kForeColour);

    PicUp = Picture(this, QStringLiteral("Up.jpg"), 7110, 2505);
    PicLists = Frame(this, Qt::black);
    twips::Place(PicLists, 6255, 2730, 2010, 2600);
    // Wider than its frame: the list's own scroll bar lies outside and is never seen.
    LstStations = new QListWidget(PicLists);
    twips::Place(LstStations, 0, 0, 2415, 2565);
    LstStations->setFrameShape(QFrame::NoFrame);
    LstStations->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LstStations->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    colours::Set(LstStations, kBackColour, kForeColour);
    PicDown = Picture(this, QStringLiteral("Down.jpg"), 7110, 5400);
    PicCount = Frame(this, kCountColour);
    twips::Place(PicCount, 7530, 5415, 795, 165);
    LblCnt = new QLabel(PicCount);
    LblCnt->setGeometry(PicCount->rect());
    LblCnt->setAlignment(Qt::AlignCenter);
    colours::Set(LblCnt, kCountColour, kForeColour);

    PicPlay = Picture(this, QStringLiteral("Play.jpg"), 3180, 5250);
    PicStop = Picture(this, QStringLiteral("Stop.jpg"), 3645, 5250);
    PicRecord = Picture(this, QStringLiteral("Record.jpg"), 4140, 5250);
    PicRecordStop = Picture(this, QStringLiteral("RecordStop.jpg"), 4125, 5250);
    PicRecordStop->hide();
    PicSettings = Picture(this, QStringLiteral("Settings.jpg"), 4605, 5250);
    PicAdvanceRec = Picture(this, QStringLiteral("Advanced.jpg"), 5085, 5250);
    PicAbout = Picture(this, QStringLiteral("About.jpg"), 5565, 5250);

    PicSettingsBox = Picture(this, QStringLiteral("Box.jpg"), 3120, 2415);
    PicSettingsBox->setFont(PanelFont());
    PicSettingsBox->hide();
    const QStringList &captions = player::SampleRateCaptions();
    for (int index = 0; index < int(OptSampleRate.size()); ++index) {
        auto *option = new QRadioButton(captions[index], PicSettingsBox);
        static const int kLefts[] = {165, 945, 1830};
        static const int kTops[] = {1335, 1575, 1815};
        twips::Place(option, kLefts[index % 3], kTops[index / 3], 855, 195);
        colours::Set(option, kBackColour, kForeColour);
        OptSampleRate[index] = option;
    }
    CreateRecordModeChoice(kBackColour, kForeColour);
    ChkNews = new QCheckBox(PicSettingsBox);
    twips::Place(ChkNews, 180, 2220, 195, 195);
    LblShowNews = new PictureBox(PicSettingsBox);
    LblShowNews->setText(QStringLiteral("Show Indian News Headlines"));
    twips::Place(LblShowNews, 450, 2235, 2085, 195);
    colours::SetFore(LblShowNews, kForeColour);
    TxtNewsUrl = new QLineEdit(PicSettingsBox);
    twips::Place(TxtNewsUrl, 450, 2445, 2250, 225);
    TxtNewsUrl->setFrame(false);
    TxtNewsUrl->setToolTip(QStringLiteral("The address of the headlines: a news feed or headline page"));
    colours::Set(TxtNewsUrl, kBackColour, kForeColour);
    PicOK = Picture(PicSettingsBox, QStringLiteral("Close.jpg"), 2011, 2700);

    CreateSettingsPanelElements();
    CreateRolloverTwins();

    TmrList = new QTimer(this);
    TmrList->setInterval(100);

    const QPixmap &picture = BackPic->picture();
    setFixedSize(picture.size());
}

void FrmFM::CreateSettingsPanelElements() {
    const auto label = [this](const QString &text, int left, int top, int width, int height) {
        auto *element = new QLabel(text, PicSettingsBox);
        twips::Place(element, left, top, width, height);
        element->setWordWrap(true);
        colours::SetFore(element, kForeColour);
        return element;
    };
    LblRecSetting = label(QStringLiteral("<b>Recording Settings</b>"), 210, 225, 1995, 240);
    LblRecMsg =
        label(QStringLiteral("Please Select the Recording Rate. Higher Rate = Better Quality but Larger "
                             "will be your MP3 file size."),
              210, 615, 2505, 600);
    // Four lines of the smaller type fill its place from the top.
    LblRecMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = PanelFont();
    small.setPixelSize(9);
    LblRecMsg->setFont(small);
    LblSkinHead = label(QStringLiteral("<b>Player Skin</b>"), 3090, 225, 1200, 240);
    LnVert = new QFrame(PicSettingsBox);
    twips::Place(LnVert, 2775, 240, 15, 2325);
    colours::SetBack(LnVert, kForeColour);
    LstSkins = new QListWidget(PicSettingsBox);
    twips::Place(LstSkins, 3015, 585, 1965, 1815);
    LstSkins->setSelectionMode(QAbstractItemView::SingleSelection);
    LstSkins->setFrameShape(QFrame::NoFrame);
    colours::Set(LstSkins, kBackColour, kForeColour);
}

void FrmFM::CreateRolloverTwins() {
    const std::pair<PictureBox **, const char *> twins[] = {
        {&PicPlayRoll, "PlayR.jpg"},         {&PicStopRoll, "StopR.jpg"},
        {&PicRecordRoll, "RecordR.jpg"},     {&PicRecordStopRoll, "RecordStopR.jpg"},
        {&PicSettingsRoll, "SettingsR.jpg"}, {&PicAdvanceRecRoll, "AdvancedR.jpg"},
        {&PicAboutRoll, "AboutR.jpg"},       {&PicUpRoll, "UpR.jpg"},
        {&PicDownRoll, "DownR.jpg"},         {&PicCloseRoll, "ExitR.jpg"},
        {&PicMinRoll, "MinimizeR.jpg"},      {&PicOKRoll, "CloseR.jpg"},
        {&PicCloseWRoll, "CloseR.jpg"}};
    for (const auto &[element, file] : twins) {
        *element = Picture(this, QString::fromLatin1(file), 0, 0);
        (*element)->hide();
    }
    PicTemp = new PictureBox(this);
    twips::Place(PicTemp, 0, 0, 225, 225);
    PicTemp->hide();
}
