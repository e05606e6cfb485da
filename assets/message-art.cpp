#include "message-art.h"

#include "message-layout.h"
#include "panel-art.h"
#include "skin-painting.h"

#include <QFont>
#include <QPainter>

namespace skinart {

namespace {

const char *const kTitle = "Recording what plays";
const char *const kInstructions =
    "Tunelark records what your computer plays: it listens to the monitor of your sound output "
    "(PulseAudio or PipeWire), so most systems need nothing set up.\n\n"
    "If your MP3 files come out silent, open the recording control while a recording runs, choose "
    "its Recording tab and let Tunelark record from \"Monitor of\" your speakers or headphones. "
    "This is needed only once.\n\n"
    "If a recording sounds distorted, turn the player's volume down a little; if it is too quiet, "
    "turn it up.";

} // namespace

QImage PaintMessage(const SkinPalette &pal) {
    QImage image = PaintPlate(message::kSize, 26, pal);
    const QRectF r(image.rect());
    const QRectF title(4, 4, r.width() - 8, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPixelSize(14);
    heading.setBold(true);
    p.setFont(heading);
    p.setPen(Lighter(pal.trim, 0.2));
    p.drawText(title.adjusted(32, 0, -40, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(kTitle));

    QFont body(QStringLiteral("DejaVu Sans"));
    body.setPixelSize(12);
    p.setFont(body);
    p.setPen(pal.trim);
    p.drawText(QRectF(36, 44, r.width() - 72, message::kOpenLink.top() - 50), Qt::TextWordWrap,
               QString::fromLatin1(kInstructions));
    // A rule between the words and the window's own elements.
    p.fillRect(QRectF(36, message::kOpenLink.top() - 8, r.width() - 72, 1), WithAlpha(pal.trim, 110));
    return image;
}

} // namespace skinart
