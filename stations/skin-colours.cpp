#include "stations/skin-colours.h"

#include "common/settings-store.h"

#include <QWidget>

namespace stations {

namespace {

QString SkinSetting(const char *key) {
    return common::GetSetting(common::kApplication, QStringLiteral("Skin"), QLatin1String(key));
}

} // namespace

std::optional<QColor> ColourFromSetting(const QString &value) {
    bool isNumber = false;
    const qlonglong number = value.trimmed().toLongLong(&isNumber);
    if (!isNumber || number < 0 || number > 0xFFFFFF)
        return std::nullopt;
    return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

SkinColours LoadSkinColors() {
    const QString current = SkinSetting("Current").trimmed();
    if (current.isEmpty() || current.compare(QLatin1String("SPIDER MAN"), Qt::CaseInsensitive) == 0)
        return {};
    return {ColourFromSetting(SkinSetting("Backcolor")), ColourFromSetting(SkinSetting("Forecolor")),
            ColourFromSetting(SkinSetting("ComboBackColor"))};
}

void Paint(QWidget *widget, const std::optional<QColor> &back, const std::optional<QColor> &fore) {
    QPalette palette = widget->palette();
    if (back) {
        palette.setColor(QPalette::Window, *back);
        palette.setColor(QPalette::Base, *back);
        widget->setAutoFillBackground(true);
    }
    if (fore) {
        palette.setColor(QPalette::WindowText, *fore);
        palette.setColor(QPalette::Text, *fore);
    }
    widget->setPalette(palette);
}

} // namespace stations
