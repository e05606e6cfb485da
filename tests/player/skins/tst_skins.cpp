// Skin folders generated here (images drawn with QImage) loaded into the real main window: the list,
// Settings.ini in its cycle of four lines, colours, images and layout, the failures that keep the
// built-in look; and the shaped window on the X server.

#include "common/settings-store.h"
#include "common/units.h"
#include "player/FrmFM.h"
#include "player/picture-box.h"
#include "player/twips.h"
#include "tests/support/test-environment.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QtTest>

#include <cfloat>

using common::kApplication;

namespace {

QString Skin(const QString &key) { return common::GetSetting(kApplication, "Skin", key); }

QImage Filled(int width, int height, const QColor &colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The built-in design positions of the layout line.
const QString kDesignLayout = "3120, 2415, 5250, 3180, 3240, 2505, 6255, 7110, 1995, 7800";

// Where the elements a layout line moves stand: element name → left, top in twips.
using Places = QMap<QString, QPointF>;

// The built-in places of all those elements, with `moved` changed.
Places DesignPlaces(const Places &moved = {}) {
    Places places{
        {"PicSettingsBox", {3120, 2415}}, {"PicAboutMe", {3120, 2430}},    {"PicPlay", {3180, 5250}},
        {"PicStop", {3645, 5250}},        {"PicRecord", {4140, 5250}},     {"PicRecordStop", {4125, 5250}},
        {"PicSettings", {4605, 5250}},    {"PicAdvanceRec", {5085, 5250}}, {"PicAbout", {5565, 5250}},
        {"PicMess", {3240, 2505}},        {"PicHolder", {3240, 2520}},     {"PicNews", {3240, 4785}},
        {"PicUp", {7110, 2505}},          {"PicLists", {6255, 2730}},      {"PicDown", {7110, 5400}},
        {"PicCount", {7530, 5415}},       {"PicMin", {7800, 1995}},        {"PicClose", {8100, 1995}}};
    places.insert(moved);
    return places;
}

} // namespace

class SkinsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;

    QString skinFolder(const QString &name) const { return env->path("Skins/" + name); }
    void makeSkin(const QString &name, const QByteArray &settings,
                  const QList<std::pair<QString, QImage>> &images = {}) {
        QVERIFY(QDir().mkpath(skinFolder(name)));
        if (!settings.isNull())
            env->writeFile("Skins/" + name + "/Settings.ini", settings);
        for (const auto &[file, image] : images)
            QVERIFY(image.save(skinFolder(name) + '/' + file,
                               file.endsWith(".bmp", Qt::CaseInsensitive) ? "BMP" : "JPG"));
    }
    void load(const QString &current = QString()) {
        if (!current.isNull())
            common::SaveSetting(kApplication, "Skin", "Current", current);
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
    }
    QStringList skinList() const {
        QStringList names;
        for (int row = 0; row < window->LstSkins->count(); ++row)
            names << window->LstSkins->item(row)->text();
        return names;
    }
    // The elements a layout line moves, by name.
    std::vector<std::pair<QString, const QWidget *>> layoutElements() const {
        return {{"PicSettingsBox", window->PicSettingsBox},
                {"PicAboutMe", window->PicAboutMe},
                {"PicPlay", window->PicPlay},
                {"PicStop", window->PicStop},
                {"PicRecord", window->PicRecord},
                {"PicRecordStop", window->PicRecordStop},
                {"PicSettings", window->PicSettings},
                {"PicAdvanceRec", window->PicAdvanceRec},
                {"PicAbout", window->PicAbout},
                {"PicMess", window->PicMess},
                {"PicHolder", window->PicHolder},
                {"PicNews", window->PicNews},
                {"PicUp", window->PicUp},
                {"PicLists", window->PicLists},
                {"PicDown", window->PicDown},
                {"PicCount", window->PicCount},
                {"PicMin", window->PicMin},
                {"PicClose", window->PicClose}};
    }
    // Boxes other than the built-in stations' notice (the test folder's station file is empty).
    QList<ui::BoxRequest> skinBoxes() const {
        QList<ui::BoxRequest> found;
        for (const ui::BoxRequest &box : env->boxes)
            if (!box.text.contains("station", Qt::CaseInsensitive))
                found << box;
        return found;
    }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() {
        window.reset();
        env.reset();
    }

    void listHoldsTheBuiltInSkinThenTheFolders() {
        load();
        QCOMPARE(skinList(), QStringList{"Spider Man"}); // no Skins folder
        QCOMPARE(window->LstSkins->currentRow(), 0);
        for (const char *name : {"Night", "Zen", "aqua", "Aurora", "Spider Man"})
            makeSkin(name, "0,0,0\r\n");
        load();
        // Sorted without regard to letter case.
        QCOMPARE(skinList(), (QStringList{"Spider Man", "aqua", "Aurora", "Night", "Spider Man", "Zen"}));
        QCOMPARE(skinBoxes().size(), 0);
    }

    // The user's own skin folder joins the program folder's, also when the program folder has none; a
    // user's skin wins over the program folder's of the same name in any letter case.
    void userSkinsJoinTheListAndWin_data() {
        QTest::addColumn<bool>("programSkins");
        QTest::newRow("beside the program folder's skins") << true;
        QTest::newRow("program folder without Skins") << false;
    }
    void userSkinsJoinTheListAndWin() {
        QFETCH(bool, programSkins);
        if (programSkins) {
            makeSkin("Aqua", "1,0,0\r\n");
            makeSkin("Night", "3,0,0\r\n");
        }
        const QString userSkin = env->dataHome() + "/Tunelark/Skins/aqua";
        QVERIFY(QDir().mkpath(userSkin));
        QFile settings(userSkin + "/Settings.ini");
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write("2,0,0\r\n") > 0);
        settings.close();
        load("AQUA");
        QCOMPARE(skinList(), programSkins ? (QStringList{"Spider Man", "aqua", "Night"})
                                          : (QStringList{"Spider Man", "aqua"}));
        QCOMPARE(window->LstSkins->currentRow(), 1);
        QCOMPARE(Skin("BackColor"), QStringLiteral("2"));
        QCOMPARE(skinBoxes().size(), 0);
    }

    // Skins made where file names ignore letter case: their files and the current skin's name match in
    // any capitals.
    void skinFilesMatchInAnyLetterCase_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("files"); // Settings.ini, Play.jpg, PlayR.jpg, Main.bmp as named
        QTest::newRow("small letters")
            << "aqua" << QStringList{"settings.ini", "play.jpg", "playr.jpg", "main.bmp"};
        QTest::newRow("capitals") << "AQUA"
                                  << QStringList{"SETTINGS.INI", "PLAY.JPG", "PLAYR.JPG", "MAIN.BMP"};
        QTest::newRow("mixed") << "aQuA" << QStringList{"Settings.INI", "pLAY.jpg", "PlayR.JPG", "main.BMP"};
    }
    void skinFilesMatchInAnyLetterCase() {
        QFETCH(QString, current);
        QFETCH(QStringList, files);
        makeSkin("Aqua", QByteArray(),
                 {{files[1], Filled(60, 26, Qt::green)},
                  {files[2], Filled(60, 26, Qt::yellow)},
                  {files[3], Filled(700, 500, Qt::blue)}});
        env->writeFile("Skins/Aqua/" + files[0], "1,0,0\r\n2,0,0\r\n3,0,0\r\n" +
                                                     kDesignLayout.toUtf8().replace("3180", "3300") + "\r\n");
        load(current);
        QCOMPARE(skinBoxes().size(), 0);
        QCOMPARE(window->LstSkins->currentItem()->text(), QStringLiteral("Aqua"));
        QCOMPARE((QStringList{Skin("BackColor"), Skin("ForeColor"), Skin("ComboBackColor")}),
                 (QStringList{"1", "2", "3"}));
        QCOMPARE(window->PicPlay->picture().size(), QSize(60, 26));
        QCOMPARE(window->PicPlayRoll->picture().size(), QSize(60, 26));
        QCOMPARE(window->size(), QSize(700, 500)); // the main picture gives the window its size
        QCOMPARE(twips::Left(window->PicPlay), 3300.0);
    }

    void builtInSkinNames_data() {
        QTest::addColumn<QString>("current");
        QTest::newRow("absent") << QString();
        QTest::newRow("empty") << "";
        QTest::newRow("small letters, blanks around") << "  spider man  ";
    }
    void builtInSkinNames() {
        QFETCH(QString, current);
        makeSkin("Night", "1,2,3\r\n");
        common::SaveSetting(kApplication, "Skin", "BackColor", "42");
        load(current);
        QCOMPARE(window->LstSkins->currentRow(), 0);
        QCOMPARE(Skin("BackColor"), QStringLiteral("42")); // the built-in skin stores no colours
        QCOMPARE(skinBoxes().size(), 0);
    }

    void missingSkinFolderSaysWhereAndResets_data() {
        QTest::addColumn<bool>("listed"); // a folder without Settings.ini, or no folder at all
        QTest::newRow("folder without Settings.ini") << true;
        QTest::newRow("empty Skins folder") << false;
    }
    void missingSkinFolderSaysWhereAndResets() {
        QFETCH(bool, listed);
        QVERIFY(QDir().mkpath(env->path(listed ? "Skins/Gone" : "Skins")));
        common::SaveSetting(kApplication, "Skin", "BackColor", "42");
        load("Gone");
        QCOMPARE(skinBoxes().size(), 1);
        QCOMPARE(skinBoxes()[0].text,
                 "Below mentioned Skin's folder was not found. Please make sure the folder is "
                 "present at the specified location.\r\n\r\n" +
                     env->path("Skins/Gone"));
        QCOMPARE(skinBoxes()[0].icon, ui::Icon::Critical);
        QCOMPARE(Skin("Current"), QStringLiteral("Spider Man"));
        QCOMPARE(Skin("BackColor"), QString());
        QCOMPARE(twips::Left(window->PicPlay), 3180.0);
    }

    void settingsFile_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("stored"); // BackColor, ForeColor, ComboBackColor
        QTest::addColumn<double>("playLeft");    // twips
        QTest::newRow("three lines: colours, no layout") << QByteArray("255,0,0\r\n0, 255 ,0\r\n0,0,255\r\n")
                                                         << QStringList{"255", "65280", "16711680"} << 3180.0;
        QTest::newRow("lone CR line ends")
            << QByteArray("1,0,0\r2,0,0\r3,0,0\r") << QStringList{"1", "2", "3"} << 3180.0;
        QTest::newRow("blank first line")
            << QByteArray("\r\n0,0,1\r\n0,0,2\r\n") << QStringList{"", "65536", "131072"} << 3180.0;
        QTest::newRow("a component of 300")
            << QByteArray("300,0,0,99\r\n") << QStringList{"255", "", ""} << 3180.0;
        QTest::newRow("eight lines: the last of each kind wins")
            << ("1,0,0\r\n2,0,0\r\n3,0,0\r\n" + kDesignLayout.toUtf8() + "\r\n4,0,0\r\n5,0,0\r\n6,0,0\r\n" +
                QString(kDesignLayout).replace("3180", "3300").toUtf8() + "\r\n")
            << QStringList{"4", "5", "6"} << 3300.0;
        QTest::newRow("nine layout fields: nothing moves")
            << QByteArray(
                   "1,0,0\r\n1,0,0\r\n1,0,0\r\n3120, 2415, 5250, 3300, 3240, 2505, 6255, 7110, 1995\r\n")
            << QStringList{"1", "1", "1"} << 3180.0;
        QTest::newRow("eleven layout fields: the eleventh is ignored")
            << ("1,0,0\r\n1,0,0\r\n1,0,0\r\n" + QString(kDesignLayout).replace("3180", "3300").toUtf8() +
                ", x\r\n")
            << QStringList{"1", "1", "1"} << 3300.0;
    }
    void settingsFile() {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, stored);
        QFETCH(double, playLeft);
        makeSkin("Test", settings);
        load("Test");
        QCOMPARE(skinBoxes().size(), 0);
        QCOMPARE((QStringList{Skin("BackColor"), Skin("ForeColor"), Skin("ComboBackColor")}), stored);
        QCOMPARE(window->LstSkins->currentItem()->text(), QStringLiteral("Test"));
        QCOMPARE(twips::Left(window->PicPlay), playLeft);
        // An unset colour applies as black.
        const QColor back = window->LstStations->palette().color(QPalette::Base);
        QCOMPARE(back.red() + 256 * back.green() + 65536 * back.blue(), stored[0].toInt());
    }

    void badSkinFilesKeepTheBuiltInLook_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("image"); // Play.jpg's bytes, when not empty
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("coloursApplied");
        QTest::newRow("two fields") << QByteArray("1,2\r\n") << QByteArray() << "Subscript out of range"
                                    << false;
        QTest::newRow("not a number") << QByteArray("a,b,c\r\n") << QByteArray() << "Type mismatch" << false;
        QTest::newRow("inf") << QByteArray("0,inf,0\r\n") << QByteArray() << "Type mismatch" << false;
        QTest::newRow("-inf") << QByteArray("0,0,-inf\r\n") << QByteArray() << "Type mismatch" << false;
        QTest::newRow("nan") << QByteArray("nan,0,0\r\n") << QByteArray() << "Type mismatch" << false;
        QTest::newRow("1e39") << QByteArray("1e39,0,0\r\n") << QByteArray() << "Overflow" << false;
        QTest::newRow("1e309") << QByteArray("0,1e309,0\r\n") << QByteArray() << "Overflow" << false;
        QTest::newRow("negative") << QByteArray("-1,0,0\r\n") << QByteArray()
                                  << "Invalid procedure call or argument" << false;
        QTest::newRow("settings over 64 KiB")
            << QByteArray(65 * 1024, ' ') << QByteArray() << "larger than 64 KB" << false;
        QTest::newRow("a truncated image")
            << QByteArray("1,0,0\r\n") << QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10) << "Invalid picture"
            << true;
    }
    void badSkinFilesKeepTheBuiltInLook() {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, image);
        QFETCH(QString, message);
        QFETCH(bool, coloursApplied);
        makeSkin("Bad", settings + kDesignLayout.toUtf8().replace("3180", "3300"));
        if (!image.isEmpty())
            env->writeFile("Skins/Bad/Play.jpg", image);
        load("Bad");
        QCOMPARE(skinBoxes().size(), 1);
        QVERIFY2(skinBoxes()[0].text.contains(message), qPrintable(skinBoxes()[0].text));
        QCOMPARE(skinBoxes()[0].icon, ui::Icon::Critical);
        QCOMPARE(Skin("BackColor").isEmpty(), !coloursApplied);
        QCOMPARE(twips::Left(window->PicPlay), 3180.0); // the layout is not applied
        QCOMPARE(window->PicPlay->picture().size(), QSize(30, 26));
    }

    // A layout field that is not a number ends the layout there: what came before it stays.
    void badLayoutFieldStopsTheLayout() {
        makeSkin("Odd",
                 "1,0,0\r\n1,0,0\r\n1,0,0\r\n3000, 2415, 5250, 3180, x, 2505, 6255, 7110, 1995, 7800\r\n");
        load("Odd");
        QCOMPARE(skinBoxes().size(), 1);
        QCOMPARE(skinBoxes()[0].text, QStringLiteral("Type mismatch"));
        QCOMPARE(twips::Left(window->PicSettingsBox), 3000.0);
        QCOMPARE(twips::Left(window->PicMess), 3240.0);
        QCOMPARE(Skin("BackColor"), QStringLiteral("1")); // the colours stay applied
    }

    // The layout line through the real window, every element's place checked. The ten fields differ from
    // the built-in design and from each other, so a field sent to the wrong element or a left taken for a
    // top shows. A field that is no finite single-precision number ends the layout: "Overflow" for a
    // number too large, "Type mismatch" for text (the words "inf" and "nan" too); the fields before it
    // stay.
    void layoutLinePlacesEveryElement_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Places>("expected");
        const QString ten = "3001, 2402, 5603, 3304, 3405, 2306, 6507, 7208, 1809, 7710";
        const auto withField = [&](int number, const QString &value) {
            QStringList fields = ten.split(", ");
            fields[number - 1] = value;
            return fields.join(", ");
        };
        // Fields 1 to 4, 1 to 6 and 1 to 9 applied and nothing after them.
        const Places upTo4{{"PicSettingsBox", {3001, 2402}}, {"PicPlay", {3304, 5603}}};
        Places upTo6 = upTo4;
        upTo6.insert({{"PicMess", {3405, 2306}}});
        Places upTo9 = upTo6;
        upTo9.insert({{"PicLists", {6507, 2730}}, {"PicUp", {7208, 2505}}, {"PicMin", {7800, 1809}}});
        // Every field applied. Play 450 wide, Stop 450, Record 435, Settings 435, Advance 435: 35 twips
        // between them. The news strip 300 high, 160 above Play; Up 50 below the media area, 165 high,
        // then 50 to the list, 2595 high, then 50 to Down; the count 450 right of Down; Minimize 225
        // wide, 150 to Exit.
        const Places allTen{{"PicSettingsBox", {3001, 2402}}, {"PicAboutMe", {3001, 2402}},
                            {"PicPlay", {3304, 5603}},        {"PicStop", {3789, 5603}},
                            {"PicRecord", {4274, 5603}},      {"PicRecordStop", {4274, 5603}},
                            {"PicSettings", {4744, 5603}},    {"PicAdvanceRec", {5214, 5603}},
                            {"PicAbout", {5684, 5603}},       {"PicMess", {3405, 2306}},
                            {"PicHolder", {3405, 2306}},      {"PicNews", {3304, 5143}},
                            {"PicUp", {7208, 2356}},          {"PicLists", {6507, 2571}},
                            {"PicDown", {7208, 5216}},        {"PicCount", {7658, 5216}},
                            {"PicMin", {7710, 1809}},         {"PicClose", {8085, 1809}}};
        QTest::newRow("ten fields, each its own value") << ten << QString() << allTen;
        // The largest single-precision number is a place, far outside the window: the button row and
        // the news strip follow Play there.
        Places farPlay = allTen;
        for (const char *name : {"PicPlay", "PicStop", "PicRecord", "PicRecordStop", "PicSettings",
                                 "PicAdvanceRec", "PicAbout", "PicNews"})
            farPlay[name].setX(FLT_MAX);
        QTest::newRow("largest single fourth") << withField(4, "3.4028235e38") << QString() << farPlay;
        QTest::newRow("-1e39 first") << withField(1, "-1e39") << "Overflow" << DesignPlaces();
        QTest::newRow("1e309 second")
            << withField(2, "1e309") << "Overflow" << DesignPlaces({{"PicSettingsBox", {3001, 2415}}});
        QTest::newRow("inf third") << withField(3, "inf") << "Type mismatch"
                                   << DesignPlaces({{"PicSettingsBox", {3001, 2402}}});
        QTest::newRow("1e39 fifth") << withField(5, "1e39") << "Overflow" << DesignPlaces(upTo4);
        QTest::newRow("-inf seventh") << withField(7, " -inf ") << "Type mismatch" << DesignPlaces(upTo6);
        QTest::newRow("nan tenth") << withField(10, "nan") << "Type mismatch" << DesignPlaces(upTo9);
    }
    void layoutLinePlacesEveryElement() {
        QFETCH(QString, line);
        QFETCH(QString, message);
        QFETCH(Places, expected);
        makeSkin("Layout", "1,0,0\r\n1,0,0\r\n1,0,0\r\n" + line.toUtf8() + "\r\n");
        load("Layout");
        QStringList boxes;
        for (const ui::BoxRequest &box : skinBoxes())
            boxes << box.text;
        QCOMPARE(boxes, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(layoutElements().size(), std::size_t(expected.size()));
        QStringList misplaced;
        for (const auto &[name, element] : layoutElements()) {
            const QPointF place(twips::Left(element), twips::Top(element));
            const QPoint pixels(common::TwipsToPixels(expected[name].x()),
                                common::TwipsToPixels(expected[name].y()));
            if (place != expected[name] || element->pos() != pixels)
                misplaced << QString("%1 at %2, %3 twips (%4, %5 pixels) instead of %6, %7")
                                 .arg(name)
                                 .arg(place.x())
                                 .arg(place.y())
                                 .arg(element->x())
                                 .arg(element->y())
                                 .arg(expected[name].x())
                                 .arg(expected[name].y());
        }
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join("; ")));
    }

    void oversizedImageIsRefused() {
        makeSkin("Huge", "1,0,0\r\n", {{"Play.jpg", Filled(8193, 1, Qt::red)}});
        load("Huge");
        QCOMPARE(skinBoxes().size(), 1);
        QVERIFY(skinBoxes()[0].text.contains("larger than 8192"));
        QCOMPARE(window->PicPlay->picture().size(), QSize(30, 26));
    }

    void imagesAndLayoutApply() {
        makeSkin("Wide",
                 "10,20,30\r\n200,210,220\r\n0,0,0\r\n" + kDesignLayout.toUtf8().replace("5250", "6000") +
                     "\r\n",
                 {{"Play.jpg", Filled(60, 26, Qt::green)},
                  {"PlayR.jpg", Filled(60, 26, Qt::yellow)},
                  {"Main.bmp", Filled(723, 565, Qt::blue)}});
        load("Wide");
        QCOMPARE(skinBoxes().size(), 0);
        QCOMPARE(window->PicPlay->size(), QSize(60, 26));
        QCOMPARE(window->PicPlayRoll->size(), QSize(60, 26));
        QCOMPARE(window->PicStop->picture().size(), QSize(30, 26)); // built-in where the skin has none
        // The row follows the wider Play, 35 twips between neighbours.
        QCOMPARE(twips::Left(window->PicStop), 3180.0 + 60 * 15 + 35);
        QCOMPARE(twips::Top(window->PicStop), 6000.0);
        QCOMPARE(twips::Left(window->PicRecord),
                 twips::Left(window->PicStop) + twips::Width(window->PicStop) + 35);
        QCOMPARE(twips::Left(window->PicRecordStop), twips::Left(window->PicRecord));
        QCOMPARE(twips::Left(window->PicAbout),
                 twips::Left(window->PicAdvanceRec) + twips::Width(window->PicAdvanceRec) + 35);
        QCOMPARE(twips::Top(window->PicNews), 6000.0 - 300 - 160);
        QCOMPARE(twips::Left(window->PicNews), 3180.0);
        QCOMPARE(twips::Top(window->PicUp), twips::Top(window->PicHolder) + 50);
        QCOMPARE(twips::Top(window->PicLists), twips::Top(window->PicUp) + twips::Height(window->PicUp) + 50);
        QCOMPARE(twips::Top(window->PicDown),
                 twips::Top(window->PicLists) + twips::Height(window->PicLists) + 50);
        QCOMPARE(twips::Left(window->PicCount), twips::Left(window->PicDown) + 450);
        QCOMPARE(twips::Left(window->PicClose), 7800.0 + 225 + 150);
        const QColor text = window->LblMessage->palette().color(QPalette::WindowText);
        QCOMPARE(text, QColor(200, 210, 220));
        QCOMPARE(window->PicNews->palette().color(QPalette::Window), QColor(10, 20, 30));
        // The main picture is all one colour: its top-left pixel is the key, so nothing of it is window.
        QVERIFY(window->mask().boundingRect().topLeft().x() < 0);
    }

    // Under the X server: the window's outline, seen by grabbing the screen over a contrasting window.
    void shapedWindowShowsOnlyItsOutline() {
        const QColor key(0, 255, 0), body(200, 0, 0);
        QImage main = Filled(200, 120, key);
        for (int y = 20; y < 100; ++y)
            for (int x = 30; x < 170; ++x)
                main.setPixel(x, y, body.rgb());
        makeSkin("Shape", "0,0,0\r\n", {{"Main.bmp", main}});
        QWidget backdrop;
        backdrop.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::blue);
        backdrop.setPalette(palette);
        backdrop.setGeometry(0, 0, 400, 300);
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        load("Shape");
        window->move(50, 50);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(200);
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const auto at = [&](int x, int y) { return QColor(screen.pixel(50 + x, 50 + y)); };
        QCOMPARE(at(5, 5), QColor(Qt::blue));   // cut away
        QCOMPARE(at(100, 60), body);            // the window
        QCOMPARE(at(31, 60), QColor(Qt::blue)); // a run loses its two leftmost pixels
        QCOMPARE(at(32, 60).red() > 100, true);
        QCOMPARE(at(100, 20), QColor(Qt::blue)); // and lands one row lower
    }
};

QTEST_MAIN(SkinsTest)
#include "tst_skins.moc"
