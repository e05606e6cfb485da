#include "player/skins/SkinForm.h"

#include "player/picture-box.h"
#include "player/skins/window-shape.h"

#include <QPalette>
#include <QWidget>

namespace SkinForm {

void ApplyWindowShape(QWidget &window, PictureBox &picture, std::int32_t &key) {
    const QPixmap image = picture.picture();
    picture.resize(image.size());
    // Hidden while its outline changes; shown again if it was shown.
    const bool shown = window.isVisible();
    window.hide();
    QPalette palette = window.palette();
    palette.setBrush(QPalette::Window, QBrush(image));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFixedSize(picture.size());
    const std::vector<QRect> rectangles = skins::ShapeRectangles(image.toImage(), key);
    // An empty mask would mean "no mask" to the window system: an all-key picture gets a region
    // outside the window instead, so nothing of it shows.
    window.setMask(rectangles.empty() ? QRegion(-1, -1, 1, 1) : skins::ShapeRegion(rectangles));
    picture.setPicture(QPixmap());
    if (shown)
        window.show();
}

} // namespace SkinForm
