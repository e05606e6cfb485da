#pragma once
// The station-list editor's window: lists the stations of Player.dll (the program folder's, or the user's
// copy when the program folder cannot be changed: common/user-data.h) and adds, deletes, reorders,
// updates them online and finds new ones in the community radio directory. Every change rewrites the whole
// file at once; there is no separate save.

#include "common/station-file.h"
#include "stations/skin-colours.h"

#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QWidget>

class frmStations : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds Player.dll (and, during an update when it can be written, Update.dll).
    explicit frmStations(const QString &programFolder, QWidget *parent = nullptr);

    // Colours from the player's skin, then the station file.
    void Form_Load();
    void LoadSkinColors();
    // Reads Player.dll into the lists and sets the total; ends the program when the file is missing.
    void ReadStationFile();
    // Rewrites Player.dll from LstStations and LstURLS.
    void SaveStations();
    // Writes a station file atomically from parallel name and address lists.
    void WriteStationFile(const QString &path, const QStringList &names, const QStringList &addresses);

    void CmdNew_Click();
    void CmdDelete_Click();
    void cmdUp_Click();
    void CmdDown_Click();
    void CmdLive_Click();
    // Opens the directory search.
    void CmdFind_Click();
    // Merges `found` into the list (a known address is not added twice), saves it and shows it again;
    // how many stations were new.
    int AddStations(const common::StationList &found);
    // The list as shown.
    common::StationList CurrentStations() const;

    // The online update's steps.
    void DownloadUpdate();
    void ReadUpdateFile();
    void MergeFiles();

    const QString &programFolder() const { return m_programFolder; }
    const stations::SkinColours &skinColours() const { return m_skinColours; }

    QListWidget *LstStations;
    QStringList LstURLS;
    // Stations of the last download, and the merged list before it is written.
    QStringList LstStations2, LstURLS2;
    QStringList LstStations3, LstURLS3;
    QLabel *LblTot;
    QToolButton *CmdNew, *CmdDelete, *cmdUp, *CmdDown, *CmdLive, *CmdFind;

private:
    // The downloaded list's work file: in the program folder when its station list can be changed, else
    // in the user's data folder.
    QString UpdateFilePath() const;
    // Swaps the stations at `from` and `to`, selects `to` and saves.
    void MoveStation(int from, int to);
    // Shows "You need to select a station" and returns false when nothing is selected.
    bool StationSelected();

    QString m_programFolder;
    stations::SkinColours m_skinColours;
};
