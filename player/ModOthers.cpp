#include "player/ModOthers.h"

#include "player/FrmFM.h"

#include <QCoreApplication>

namespace ModOthers {

QString CurrentStationName;

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

FrmFM *StartPlayer() {
    auto *window = new FrmFM(ProgramFolder());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    // The recording hint window follows here unless "Message"/"Show" is "1", once recording exists.
    return window;
}

} // namespace ModOthers
