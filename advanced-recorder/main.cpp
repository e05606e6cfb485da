// Encoder.dll, the advanced recorder: started by the player with its token, starts the first sound
// recorder installed on this computer, or tells the user that none was found.

#include "common/advanced-recorder.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Sound recorders we know, best first.
const char *const kRecorders[] = {"audacity", "tenacity", "gnome-sound-recorder", "kwave", "audio-recorder"};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    ui::InstallRecorderFromEnvironment();
    if (app.arguments().value(1) != QLatin1String(common::kAdvancedRecorderToken)) {
        ui::MessageBox(QStringLiteral("The advanced recorder is started from the player: press its Advanced "
                                      "Recording button."),
                       ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
        return 2;
    }
    for (const char *name : kRecorders) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return 0;
    }
    ui::MessageBox(QStringLiteral("No sound recorder was found on this computer.\r\n"
                                  "Please install one, for example Audacity or GNOME Sound Recorder, "
                                  "and try again."),
                   ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
    return 1;
}
