#pragma once
// Renders every picture of a skin from its style, ready to be written in any image format.

#include "skin-style.h"

#include <QImage>
#include <QString>
#include <vector>

namespace skinart {

struct SkinImage {
    QString name; // file name without extension, as the player looks it up
    QImage image;
};

std::vector<SkinImage> RenderSkin(const SkinStyle &style);

} // namespace skinart
