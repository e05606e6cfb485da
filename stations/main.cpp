// Stations, the station-list editor: its window loads the skin colours and the list at start.

#include "platform/ui/message-box.h"
#include "stations/frmStations.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stations"));
    ui::InstallRecorderFromEnvironment();
    frmStations window(QCoreApplication::applicationDirPath());
    window.Form_Load();
    window.show();
    return app.exec();
}
