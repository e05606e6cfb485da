#include "skin-art.h"

#include "button-art.h"
#include "faceplate.h"
#include "panel-art.h"
#include "skin-layout.h"
#include "skin-outline.h"

#include <QPainter>

namespace skinart {

std::vector<SkinImage> RenderSkin(const SkinStyle &style) {
    const SkinPalette &pal = style.palette;
    const QImage faceplate = PaintFaceplate(style);
    const QImage panel = PaintPanel(pal);
    QImage main = faceplate;
    std::vector<SkinImage> buttons;
    {
        QPainter onMain(&main);
        for (const layout::ButtonSpec &button : layout::kButtons) {
            const QImage background =
                (button.host == layout::Host::Main ? faceplate : panel).copy(button.rect);
            const QImage normal = PaintButton(background, button.symbol, button.plate, false, pal);
            buttons.push_back({button.name, normal});
            buttons.push_back({button.name + QStringLiteral("R"),
                               PaintButton(background, button.symbol, button.plate, true, pal)});
            // The faceplate shows every button at rest, so it looks complete before the player sets them in.
            if (style.buttonsOnFaceplate && button.host == layout::Host::Main && !button.alternate)
                onMain.drawImage(button.rect.topLeft(), normal);
        }
    }
    CutOutline(main, OutlinePath(style.outline), pal.key);

    std::vector<SkinImage> images{{QStringLiteral("Main"), main},
                                  {QStringLiteral("Welcome"), PaintWelcome(pal)},
                                  {QStringLiteral("Box"), panel}};
    images.insert(images.end(), buttons.begin(), buttons.end());
    images.push_back({QStringLiteral("Tunelark"), PaintIcon(pal)});
    for (int frame = 0; frame < 5; ++frame)
        images.push_back({QStringLiteral("Flash%1").arg(frame), PaintFlashFrame(pal, frame)});
    return images;
}

} // namespace skinart
