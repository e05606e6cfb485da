// The online update: download the published station file, keep its new stations, reload the list.

#include "common/runtime-error.h"
#include "common/station-merge.h"
#include "common/user-data.h"
#include "platform/http/http-get.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "stations/frmStations.h"
#include "stations/online-update.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

common::StationList Pair(const QStringList &names, const QStringList &addresses) {
    common::StationList stations;
    for (int i = 0; i < names.size(); ++i)
        stations.append({names[i], addresses.value(i)});
    return stations;
}

// Shows a failure of one step, pointer restored, and lets the update go on.
template <typename Step> void RunStep(Step &&step) {
    try {
        step();
    } catch (const std::exception &error) {
        QApplication::restoreOverrideCursor();
        ui::ShowError(error);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

} // namespace

void frmStations::CmdLive_Click() {
    if (ui::MessageBox(
            QStringLiteral("This will download new radio stations that are available on Ravelto's "
                           "website.\r\nAre you sure you want to downlaod and update your stations "
                           "list?"),
            ui::Icon::Question, ui::Buttons::YesNo, QStringLiteral("Stations")) != ui::Answer::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RunStep([this] { DownloadUpdate(); });
    RunStep([this] { MergeFiles(); });
    ReadStationFile();
    QApplication::restoreOverrideCursor();
}

void frmStations::DownloadUpdate() {
    const platform::http::Reply reply =
        platform::http::Get(stations::UpdateUrl(), stations::UpdateTimeLimitMs(), stations::kMaxUpdateBytes);
    if (!reply.ok())
        throw common::RuntimeError(common::ErrPathFileAccess, reply.error, QStringLiteral("DownloadUpdate"));
    const QString text = QString::fromUtf8(reply.body);
    if (text.trimmed().isEmpty())
        return;
    QSaveFile file(UpdateFilePath());
    const QByteArray content = stations::UpdateFileContent(text);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw common::RuntimeError(
            common::ErrPathFileAccess,
            QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString()),
            QStringLiteral("DownloadUpdate"));
    ReadUpdateFile();
}

void frmStations::ReadUpdateFile() {
    const QString updateFile = UpdateFilePath();
    const auto stations = common::ReadStationFile(updateFile);
    if (!stations) {
        ui::MessageBox(
            QStringLiteral("Update.dll file not found. Please make sure the file is present at the "
                           "below path\r\n") +
                QFileInfo(updateFile).absolutePath(),
            ui::Icon::Critical, ui::Buttons::OkOnly, ui::kErrorTitle);
        ui::EndProgram(1);
        return;
    }
    LstStations2.clear();
    LstURLS2.clear();
    for (const common::Station &station : *stations) {
        LstStations2.append(station.name);
        LstURLS2.append(station.address);
    }
    QFile::remove(updateFile);
}

void frmStations::MergeFiles() {
    const common::MergeResult result = common::MergeStations(CurrentStations(), Pair(LstStations2, LstURLS2));
    LstStations3.clear();
    LstURLS3.clear();
    for (const common::Station &station : result.merged) {
        LstStations3.append(station.name);
        LstURLS3.append(station.address);
    }
    if (result.added == 0) {
        ui::MessageBox(
            QStringLiteral("No new stations available for update, your stations list is UpToDate."),
            ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
        return;
    }
    WriteStationFile(common::StationListPathForChange(m_programFolder), LstStations3, LstURLS3);
    ui::MessageBox(
        QStringLiteral("Successfully created the new stations file.\r\n\r\n%1 new station(s) added.")
            .arg(result.added),
        ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
}
