// The About panel: who made the player and how to reach them.

#include "common/units.h"
#include "player/FrmFM.h"
#include "player/links.h"
#include "player/picture-box.h"
#include "player/skins/builtin-skin.h"

#include <QLabel>

namespace {

QLabel *Line(QWidget *panel, const QString &text, int top, int height = 240) {
    auto *label = new QLabel(text, panel);
    label->setGeometry(common::TwipsToPixels(240), common::TwipsToPixels(top), common::TwipsToPixels(4800),
                       common::TwipsToPixels(height));
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(222, 206, 140));
    palette.setColor(QPalette::Link, QColor(235, 228, 199));
    label->setPalette(palette);
    return label;
}

// A link in its own colour (rich-text links do not follow the label's palette).
QString Link(const char *target, const QString &text, const QColor &colour = QColor(235, 228, 199)) {
    return QStringLiteral("<a href=\"%1\" style=\"color:%3\">%2</a>")
        .arg(QLatin1String(target), text, colour.name());
}

} // namespace

void FrmFM::CreateAboutPanel() {
    PicAboutMe = new PictureBox(this);
    PicAboutMe->setPicture(player::BuiltInImage(QStringLiteral("Box.jpg")));
    PicAboutMe->move(common::TwipsToPixels(3120), common::TwipsToPixels(2430));
    PicAboutMe->setFont(PanelFont());
    PicAboutMe->hide();

    LblName = Line(PicAboutMe, QStringLiteral("<b>Tunelark</b>"), 225, 300);
    LblDesig = Line(PicAboutMe, QStringLiteral("Internet radio player with recording and skins"), 555);
    LblDesigned = Line(PicAboutMe, QStringLiteral("Designed and developed by the Tunelark developers"), 825);
    LblAdd = Line(PicAboutMe, QStringLiteral("Made with Qt, libVLC, PulseAudio and LAME"), 1095);
    LblEmail = Line(PicAboutMe, QStringLiteral("Mail:"), 1425);
    ImgMail = Line(PicAboutMe,
                   Link(player::links::kSupportMail, QStringLiteral("support@tunelark.example.org")), 1425);
    ImgMail->move(ImgMail->x() + common::TwipsToPixels(700), ImgMail->y());
    LblURL = Line(PicAboutMe, QStringLiteral("Web:"), 1695);
    ImgURL = Line(PicAboutMe, Link(player::links::kHomePage, QStringLiteral("tunelark.example.org")), 1695);
    ImgURL->move(ImgURL->x() + common::TwipsToPixels(700), ImgURL->y());
    LblFaq = Line(PicAboutMe, QStringLiteral("Questions?"), 1965);
    ImgFAQ = Line(PicAboutMe, Link(player::links::kFaqPage, QStringLiteral("Read the FAQ")), 1965);
    ImgFAQ->move(ImgFAQ->x() + common::TwipsToPixels(1100), ImgFAQ->y());
    ImgMoreSkins = Line(PicSettingsBox, QString(), 2445);
    SetMoreSkinsColour(QColor(235, 228, 199));
    ImgMoreSkins->move(common::TwipsToPixels(3090), ImgMoreSkins->y());
    for (QLabel *link : {ImgMail, ImgURL, ImgFAQ, ImgMoreSkins}) {
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        link->setCursor(Qt::PointingHandCursor);
        link->adjustSize();
    }

    PicCloseW = new PictureBox(PicAboutMe);
    PicCloseW->setPicture(player::BuiltInImage(QStringLiteral("Close.jpg")));
    PicCloseW->move(common::TwipsToPixels(2055), common::TwipsToPixels(2745));
}

void FrmFM::SetMoreSkinsColour(const QColor &colour) {
    ImgMoreSkins->setText(Link(player::links::kMoreSkinsPage, QStringLiteral("More skins…"), colour));
    ImgMoreSkins->adjustSize();
}
