// The window outline cut from a main picture, rectangle by rectangle, on small drawn pictures.

#include "player/skins/window-shape.h"

#include <QtTest>

using skins::ShapeRectangles;

namespace {

const QRgb kKey = qRgb(165, 12, 45);
const QRgb kBody = qRgb(64, 0, 0);

// A picture from rows of text: '.' is the key colour, '#' the body.
QImage Picture(const QStringList &rows) {
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == u'.' ? kKey : kBody);
    return image;
}

} // namespace

class WindowShapeTest : public QObject {
    Q_OBJECT
private slots:
    void rectangles_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<QRect>>("expected");
        QTest::newRow("all key") << QStringList{"....", "...."} << QList<QRect>{};
        // A run of one pixel at column c covers c + 1 to c + 2, one row lower.
        QTest::newRow("one-pixel runs")
            << QStringList{".#.#.", "....."} << QList<QRect>{QRect(2, 1, 1, 1), QRect(4, 1, 1, 1)};
        QTest::newRow("two-pixel run") << QStringList{".##..", "....."} << QList<QRect>{};
        QTest::newRow("a row without key pixels")
            << QStringList{".....", "#####"} << QList<QRect>{QRect(2, 2, 3, 1)};
        QTest::newRow("runs of a row, left to right")
            << QStringList{"..........", ".####..###"} << QList<QRect>{QRect(3, 2, 2, 1), QRect(9, 2, 1, 1)};
        QTest::newRow("the last row lands below the picture")
            << QStringList{"....", "...."} + QStringList{"####"} << QList<QRect>{QRect(2, 3, 2, 1)};
    }
    void rectangles() {
        QFETCH(QStringList, rows);
        QFETCH(QList<QRect>, expected);
        std::int32_t key = 0;
        const std::vector<QRect> found = ShapeRectangles(Picture(rows), key);
        QCOMPARE(QList<QRect>(found.begin(), found.end()), expected);
        QCOMPARE(key, qRed(kKey) + 256 * qGreen(kKey) + 65536 * qBlue(kKey));
        QRegion united;
        for (const QRect &rectangle : expected)
            united += rectangle;
        QCOMPARE(skins::ShapeRegion(found), united);
    }

    // The key is the top-left pixel's colour: a picture that starts with its body colour cuts that away.
    void keyComesFromTheTopLeftPixel() {
        const QImage image = Picture({"#..", "#.#"});
        std::int32_t key = 0;
        const std::vector<QRect> found = ShapeRectangles(image, key);
        QCOMPARE(key, qRed(kBody) + 256 * qGreen(kBody) + 65536 * qBlue(kBody));
        QCOMPARE(QList<QRect>(found.begin(), found.end()), QList<QRect>{QRect(2, 2, 1, 1)});
        // A key given by the caller is used as it is.
        std::int32_t given = qRed(kKey) + 256 * qGreen(kKey) + 65536 * qBlue(kKey);
        const std::vector<QRect> withKey = ShapeRectangles(image, given);
        QCOMPARE(QList<QRect>(withKey.begin(), withKey.end()),
                 (QList<QRect>{QRect(1, 1, 1, 1), QRect(1, 2, 1, 1), QRect(3, 2, 1, 1)}));
    }
};

QTEST_GUILESS_MAIN(WindowShapeTest)
#include "tst_window_shape.moc"
