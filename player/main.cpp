// The player's entry routine: --help and --version, the window system, one copy per user, then the
// main window.

#include "platform/instance/single-instance.h"
#include "platform/startup/program-options.h"
#include "platform/startup/x11-session.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/ModOthers.h"

#include <QApplication>

namespace {

const platform::startup::ProgramInfo kPlayer{
    "Tunelark",
    "Tunelark plays internet radio stations from its station list, records what the sound card plays\n"
    "into MP3 files, slides a news ticker and wears skins. It runs one copy per user.\n"
    "\n"
    "The station list is Player.dll in the program folder or, when the program folder cannot be\n"
    "changed, $XDG_DATA_HOME/Tunelark/Player.dll; skins come from the program folder's Skins/ and\n"
    "$XDG_DATA_HOME/Tunelark/Skins/; settings live in $XDG_CONFIG_HOME/Tunelark/. Under a Wayland\n"
    "session it runs through XWayland unless QT_QPA_PLATFORM names a platform.\n"};

} // namespace

int main(int argc, char *argv[]) {
    if (const auto exitCode = platform::startup::AnswerProgramOptions(argc, argv, kPlayer))
        return *exitCode;
    platform::startup::ChooseX11UnderWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tunelark"));
    ui::InstallRecorderFromEnvironment();

    const platform::instance::SingleInstance instance(QStringLiteral("Tunelark"));
    if (!instance.isFirst()) {
        ui::MessageBox(QStringLiteral("Another instance of Ravelto's Online Radio is already running in your "
                                      "memory.\r\nCannot run a new instance."),
                       ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
        return 0;
    }

    bool started = false;
    ui::RunShowingErrors([&] {
        ModOthers::StartPlayer();
        started = true;
    });
    // The process lives as long as its windows.
    return started ? app.exec() : 1;
}
