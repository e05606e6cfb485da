// The player's entry routine: one copy per user, then the main window.

#include "platform/instance/single-instance.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/ModOthers.h"

#include <QApplication>

int main(int argc, char *argv[]) {
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
