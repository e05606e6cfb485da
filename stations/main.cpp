// Stations, the station-list editor: --help and --version, the window system, then its window, which
// loads the skin colours and the list at start.

#include "platform/startup/program-options.h"
#include "platform/startup/x11-session.h"
#include "platform/ui/message-box.h"
#include "stations/frmStations.h"

#include <QApplication>

namespace {

const platform::startup::ProgramInfo kStations{
    "Stations",
    "Stations edits the station list of Tunelark: adds, deletes and reorders stations, downloads new\n"
    "ones and finds stations in the community radio directory. Every change is saved at once.\n"
    "\n"
    "The list is Player.dll in the program folder or, when the program folder cannot be changed,\n"
    "$XDG_DATA_HOME/Tunelark/Player.dll, copied from the program folder's on the first change. Under\n"
    "a Wayland session it runs through XWayland unless QT_QPA_PLATFORM names a platform.\n"};

} // namespace

int main(int argc, char *argv[]) {
    if (const auto exitCode = platform::startup::AnswerProgramOptions(argc, argv, kStations))
        return *exitCode;
    platform::startup::ChooseX11UnderWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stations"));
    ui::InstallRecorderFromEnvironment();
    frmStations window(QCoreApplication::applicationDirPath());
    window.Form_Load();
    window.show();
    return app.exec();
}
