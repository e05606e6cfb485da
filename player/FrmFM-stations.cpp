// Loading the station list: from Player.dll (the program folder's, or the user's copy beside it), or the
// built-in stations when it gives none.

#include "common/station-file.h"
#include "common/user-data.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/default-stations.h"

void FrmFM::LoadStations() {
    ui::RunShowingErrors([this] {
        StationURLs.clear();
        const auto stations = common::ReadStationFile(common::StationListPath(m_programFolder));
        if (!stations)
            return;
        LstStations->clear();
        for (const common::Station &station : *stations) {
            LstStations->addItem(station.name);
            StationURLs.append(station.address);
        }
    });
}

void FrmFM::LoadDefaultStations() {
    ui::RunShowingErrors([this] {
        if (LstStations->count() > 0)
            return;
        ui::MessageBox(QStringLiteral("Player.dll file not found or is Corrupted.\r\n"
                                      "Default Radio Stations will be loaded."),
                       ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
        StationURLs = QStringList(player::kDefaultAddressSlots, QString());
        int index = 0;
        for (const player::DefaultStation &station : player::DefaultStations()) {
            StationURLs[index++] = QString::fromUtf8(station.address);
            LstStations->addItem(QString::fromUtf8(station.name));
        }
    });
}
