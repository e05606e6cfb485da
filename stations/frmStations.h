#pragma once
// The station-list editor's window: the stations of Player.dll and their total.

#include <QLabel>
#include <QListWidget>
#include <QWidget>

class frmStations : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds Player.dll.
    explicit frmStations(const QString &programFolder, QWidget *parent = nullptr);

    // Reads Player.dll into the lists; ends the program when the file is missing.
    void ReadStationFile();

    QListWidget *LstStations;
    QStringList LstURLS;
    QLabel *LblTot;

private:
    QString m_programFolder;
};
