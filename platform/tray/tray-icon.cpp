#include "platform/tray/tray-icon.h"

#include <QSystemTrayIcon>

namespace platform::tray {

QString CutToTipField(const QString &tip) { return tip.left(kTipCharacters); }

TrayIcon::TrayIcon(QObject *parent) : QObject(parent), m_icon(new QSystemTrayIcon(this)) {
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            emit DoubleClicked();
    });
}

void TrayIcon::Set(Action action, const QIcon &icon, const QString &tip) {
    if (action == Delete) {
        m_icon->hide();
        return;
    }
    if (action == Modify && !m_icon->isVisible())
        return;
    m_icon->setIcon(icon);
    m_icon->setToolTip(CutToTipField(tip));
    if (action == Add)
        m_icon->show();
}

void TrayIcon::setMenu(QMenu *menu) { m_icon->setContextMenu(menu); }

bool TrayIcon::isShown() const { return m_icon->isVisible(); }

QString TrayIcon::tip() const { return m_icon->toolTip(); }

} // namespace platform::tray
