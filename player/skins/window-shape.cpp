#include "player/skins/window-shape.h"

#include <algorithm>

namespace skins {

namespace {

// A pixel as a colour value: red + 256 × green + 65536 × blue.
std::int32_t ColourValue(QRgb pixel) { return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel); }

} // namespace

std::vector<QRect> ShapeRectangles(const QImage &picture, std::int32_t &key) {
    std::vector<QRect> rectangles;
    if (picture.isNull())
        return rectangles;
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const int width = pixels.width();
    if (key < 1)
        key = ColourValue(pixels.pixel(0, 0));
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && ColourValue(row[x]) == key)
                ++x;
            if (x >= width)
                break;
            const int start = x;
            while (x < width && ColourValue(row[x]) != key)
                ++x;
            const int left = std::min(start + 2, x);
            const int right = std::max(start + 2, x);
            if (right > left)
                rectangles.emplace_back(QPoint(left, y + 1), QPoint(right - 1, y + 1));
        }
    }
    return rectangles;
}

QRegion ShapeRegion(const std::vector<QRect> &rectangles) {
    QRegion region;
    region.setRects(rectangles.data(), static_cast<int>(rectangles.size()));
    return region;
}

} // namespace skins
