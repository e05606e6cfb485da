// Finding stations in the community radio directory: the dialog's chosen stations join the list
// through the same merge as the online update, and the list is saved at once.

#include "common/station-merge.h"
#include "common/user-data.h"
#include "stations/FrmFind.h"
#include "stations/frmStations.h"

void frmStations::CmdFind_Click() {
    FrmFind find(*this);
    find.exec();
}

common::StationList frmStations::CurrentStations() const {
    common::StationList stations;
    for (int i = 0; i < LstStations->count(); ++i)
        stations.append({LstStations->item(i)->text(), LstURLS.value(i)});
    return stations;
}

int frmStations::AddStations(const common::StationList &found) {
    const common::MergeResult result = common::MergeStations(CurrentStations(), found);
    if (result.added == 0)
        return 0;
    common::WriteStationFile(common::StationListPathForChange(programFolder()), result.merged);
    ReadStationFile();
    return result.added;
}
