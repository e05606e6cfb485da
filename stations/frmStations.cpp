#include "stations/frmStations.h"

#include "common/station-file.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"

#include <QVBoxLayout>

frmStations::frmStations(const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_programFolder(programFolder) {
    setWindowTitle(QStringLiteral("Stations"));
    LstStations = new QListWidget(this);
    LblTot = new QLabel(QStringLiteral("Total : 0"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LstStations);
    layout->addWidget(LblTot);
    resize(360, 420);
}

void frmStations::ReadStationFile() {
    ui::RunShowingErrors([this] {
        const auto stations = common::ReadStationFile(m_programFolder + QStringLiteral("/Player.dll"));
        if (!stations) {
            ui::MessageBox(
                QStringLiteral("Player.dll file not found. Please make sure the file is present at "
                               "the below path\r\n") +
                    m_programFolder,
                ui::Icon::Critical, ui::Buttons::OkOnly, ui::kErrorTitle);
            ui::EndProgram(1);
            return;
        }
        LstStations->clear();
        LstURLS.clear();
        for (const common::Station &station : *stations) {
            LstStations->addItem(station.name);
            LstURLS.append(station.address);
        }
        LblTot->setText(QStringLiteral("Total Stations : %1").arg(LstStations->count()));
    });
}
