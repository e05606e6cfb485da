#pragma once
// The window's outline cut from its main picture: every pixel of the key colour is cut away. Each
// opaque run of a row becomes the rectangle (start + 2, y + 1) to (end, y + 2) in window
// coordinates, edges put in order — one pixel lower and two pixels shorter on the left than the run,
// which is the outline skins made for the player are drawn for. One pass over the pixels; the
// rectangles become one region at once.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <vector>

namespace skins {

// The rectangles of `picture`'s outline, row by row, left to right, empty ones left out. A `key`
// below 1 is replaced by the colour value of the top-left pixel.
std::vector<QRect> ShapeRectangles(const QImage &picture, std::int32_t &key);

// The region those rectangles cover, made in one step.
QRegion ShapeRegion(const std::vector<QRect> &rectangles);

} // namespace skins
