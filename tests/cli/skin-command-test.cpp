// Runs "tunelark-cli skin check" and "skin shape" on skin folders generated here and on the sample
// skins of the staged program folder, as a skin author would.

#include "tests/cli/cli-run.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kLayout = "3120, 2415, 5250, 3180, 3240, 2505, 6255, 7110, 1995, 7800";

QImage Filled(int width, int height, const QColor &colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class SkinCommandTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString skin() const { return m_dir->filePath("my skin"); }
    void write(const QString &name, const QByteArray &content) {
        QFile file(skin() + '/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    CliRun run(const QStringList &arguments) { return RunCli(m_dir->path(), m_dir->path(), arguments); }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(skin()));
    }

    void checkReports_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("wideButton"); // a 2000-pixel Play.jpg
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines"); // lines the report must hold
        QTest::newRow("colours and layout")
            << QByteArray("300, 0, 0\r\n1,2,3\r\n\r\n" + kLayout + "\r\n") << false << 0
            << QStringList{"background colour: 255, 0, 0 (255)", "text colour: 1, 2, 3 (197121)",
                           "combo-box colour: not set (applies as black)",
                           "Play.jpg: missing, the built-in image is used",
                           "layout: " + QString(kLayout).remove(' ').replace(",", ", ")};
        QTest::newRow("layout with nine fields")
            << QByteArray("0,0,0\r\n0,0,0\r\n0,0,0\r\n1,2,3,4,5,6,7,8,9\r\n") << false << 0
            << QStringList{"layout: 9 fields, fewer than ten: no element moves"};
        QTest::newRow("layout field beyond single range")
            << QByteArray("0,0,0\r\n0,0,0\r\n0,0,0\r\n1,2,3,4,1e39,6,7,8,9,10\r\n") << false << 0
            << QStringList{"layout: Overflow: the elements after it stay where they were"};
        QTest::newRow("no layout line")
            << QByteArray("0,0,0\r\n") << false << 0
            << QStringList{"layout: none, every element stays at its built-in place"};
        QTest::newRow("elements outside the picture")
            << QByteArray("0,0,0\r\n0,0,0\r\n0,0,0\r\n" + kLayout + "\r\n") << true << 0
            << QStringList{"Play.jpg: 2000 × 26",
                           "PicStop: outside the main picture (left 33215, top 5250, 450 × 390 twips)"};
        QTest::newRow("bad colour line")
            << QByteArray("12,x,3\r\n") << false << 1
            << QStringList{"Settings.ini: Type mismatch: loading stops, the built-in look stays"};
    }
    void checkReports() {
        QFETCH(QByteArray, settings);
        QFETCH(bool, wideButton);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        write("Settings.ini", settings);
        if (wideButton)
            QVERIFY(Filled(2000, 26, Qt::red).save(skin() + "/Play.jpg"));
        const CliRun result = run({"skin", "check", skin()});
        QCOMPARE(result.exitCode, exitCode);
        const QStringList shown = QString::fromUtf8(result.out).split('\n');
        for (const QString &line : lines)
            QVERIFY2(shown.contains(line), qPrintable(QString::fromUtf8(result.out)));
    }

    void checkRefusesASkinWithoutSettings() {
        const CliRun result = run({"skin", "check", skin()});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err.count('\n'), 1);
    }

    // The player stops loading at the first image it rejects: the images after it and the layout are
    // not applied, and the skin fails to load.
    void checkStopsAtARejectedImage() {
        write("Settings.ini", "0,0,0\r\n0,0,0\r\n0,0,0\r\n" + kLayout + "\r\n");
        QVERIFY(Filled(40, 26, Qt::red).save(skin() + "/Play.jpg"));
        write("Stop.jpg", "not a picture");
        QVERIFY(Filled(40, 26, Qt::red).save(skin() + "/StopR.jpg"));
        QVERIFY(Filled(40, 26, Qt::red).save(skin() + "/CloseR.jpg"));
        const CliRun result = run({"skin", "check", skin()});
        QCOMPARE(result.exitCode, 1);
        const QStringList shown = QString::fromUtf8(result.out).split('\n');
        for (const char *line : {"Play.jpg: 40 × 26", "Stop.jpg: rejected: Invalid picture",
                                 "StopR.jpg: not applied, loading stops at Stop.jpg",
                                 "Record.jpg: not applied, loading stops at Stop.jpg",
                                 "CloseR.jpg: not applied, loading stops at Stop.jpg",
                                 "layout: not applied, loading stops at Stop.jpg"})
            QVERIFY2(shown.contains(QString::fromUtf8(line)), qPrintable(QString::fromUtf8(result.out)));
        QVERIFY2(!result.out.contains("layout: 3120") && !result.out.contains("outside"),
                 result.out.constData());
    }

    // A bitmap stored top-down declares a negative height; its size counts all the same.
    void shapeRefusesATopDownBitmapTooHigh() {
        QByteArray bitmap = "BM" + QByteArray(52, '\0') + QByteArray(16, '\0');
        const auto put32 = [&bitmap](int at, qint32 value) { qToLittleEndian(value, bitmap.data() + at); };
        put32(2, bitmap.size());
        put32(10, 54); // pixels start
        put32(14, 40); // header size
        put32(18, 2);  // width
        put32(22, -9000);
        qToLittleEndian<quint16>(1, bitmap.data() + 26);  // planes
        qToLittleEndian<quint16>(24, bitmap.data() + 28); // bits per pixel
        write("Main.bmp", bitmap);
        const CliRun result = run({"skin", "shape", skin(), "--png", m_dir->filePath("shape.png")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("larger than 8192"), result.err.constData());
    }

    // Skins made where file names ignore letter case.
    void filesMatchInAnyLetterCase_data() {
        QTest::addColumn<QStringList>("files"); // Settings.ini, Play.jpg, Main.bmp as named
        QTest::newRow("small letters") << QStringList{"settings.ini", "play.jpg", "main.bmp"};
        QTest::newRow("capitals") << QStringList{"SETTINGS.INI", "PLAY.JPG", "MAIN.BMP"};
        QTest::newRow("mixed") << QStringList{"Settings.INI", "pLAY.jpg", "main.BMP"};
    }
    void filesMatchInAnyLetterCase() {
        QFETCH(QStringList, files);
        write(files[0], "1,0,0\r\n");
        QVERIFY(Filled(40, 26, Qt::red).save(skin() + '/' + files[1], "JPG"));
        QImage main = Filled(8, 4, QColor(0, 255, 0));
        main.setPixel(4, 1, qRgb(10, 10, 10));
        QVERIFY(main.save(skin() + '/' + files[2], "BMP"));
        const CliRun check = run({"skin", "check", skin()});
        QCOMPARE(check.exitCode, 0);
        const QStringList shown = QString::fromUtf8(check.out).split('\n');
        for (const char *line : {"background colour: 1, 0, 0 (1)", "Play.jpg: 40 × 26", "Main.bmp: 8 × 4"})
            QVERIFY2(shown.contains(QString::fromUtf8(line)), qPrintable(QString::fromUtf8(check.out)));
        const QString png = m_dir->filePath("outline.png");
        QCOMPARE(run({"skin", "shape", skin(), "--png", png}).exitCode, 0);
        QCOMPARE(QImage(png).size(), QSize(8, 4));
    }

    void shapeDrawsTheOutline() {
        QImage main = Filled(8, 4, QColor(0, 255, 0));
        for (int x = 1; x < 7; ++x)
            main.setPixel(x, 1, qRgb(10, 10, 10));
        QVERIFY(main.save(skin() + "/Main.bmp", "BMP"));
        const QString png = m_dir->filePath("outline.png");
        const CliRun result = run({"skin", "shape", skin(), "--png", png});
        QCOMPARE(result.exitCode, 0);
        const QImage outline(png);
        QCOMPARE(outline.size(), QSize(8, 4));
        // The run of row 1 (columns 1–6) is the window from column 3 to 6 on row 2.
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(QColor(outline.pixel(x, y)) == Qt::black, y == 2 && x >= 3 && x < 7);
        QCOMPARE(run({"skin", "shape", m_dir->path(), "--png", png}).exitCode, 1); // no Main.bmp
    }

#ifdef TUNELARK_SAMPLE_SKINS
    // The shipped sample skins load without a complaint and are not rectangles.
    void sampleSkinsAreWhole() {
        const QDir skins(QStringLiteral(TUNELARK_PROGRAM_DIR "/Skins"));
        const QStringList names = skins.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(names.size() >= 2);
        for (const QString &name : names) {
            const CliRun check = run({"skin", "check", skins.filePath(name)});
            QCOMPARE(check.exitCode, 0);
            QVERIFY2(!check.out.contains("missing") && !check.out.contains("outside"), check.out.constData());
            QVERIFY(check.out.contains("layout: 3120"));
            for (const char *image : {"PlayR.jpg", "CloseR.jpg", "MinimizeR.jpg", "Welcome.jpg", "Box.jpg"})
                QVERIFY(check.out.contains(QByteArray(image) + ": "));
            const QString png = m_dir->filePath(name + ".png");
            QCOMPARE(run({"skin", "shape", skins.filePath(name), "--png", png}).exitCode, 0);
            const QImage outline(png);
            QCOMPARE(QColor(outline.pixel(3, 3)), QColor(Qt::white)); // a corner is cut away
            QCOMPARE(QColor(outline.pixel(outline.width() / 2, outline.height() / 2)), QColor(Qt::black));
        }
    }
#endif
};

QTEST_GUILESS_MAIN(SkinCommandTest)
#include "skin-command-test.moc"
