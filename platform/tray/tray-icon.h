#pragma once
// The notification-area (tray) icon: added, modified and deleted with the icon and tooltip of the
// moment. A modify or delete while no icon is shown has no effect.

#include <QIcon>
#include <QObject>
#include <QString>

class QMenu;
class QSystemTrayIcon;

namespace platform::tray {

// The tooltip field holds 64 characters with its terminating NUL: longer tips are cut to 63.
constexpr int kTipCharacters = 63;
QString CutToTipField(const QString &tip);

class TrayIcon : public QObject {
    Q_OBJECT
public:
    enum Action { Add = 0, Modify = 1, Delete = 2 };

    explicit TrayIcon(QObject *parent = nullptr);

    void Set(Action action, const QIcon &icon, const QString &tip);
    // The menu a right click on the icon pops up.
    void setMenu(QMenu *menu);
    bool isShown() const;
    // The tooltip as last set (cut to the field).
    QString tip() const;

signals:
    // A left double-click on the icon.
    void DoubleClicked();

private:
    QSystemTrayIcon *m_icon;
};

} // namespace platform::tray
