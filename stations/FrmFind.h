#pragma once
// The dialog that finds stations in the community radio directory: a search by name, tag and
// country; the results, most listened first, fill the list when the directory answers while the
// window stays in use; Add puts the selected ones into the manager's list, each address once.

#include "directory/directory-search.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

class frmStations;

class FrmFind : public QDialog {
    Q_OBJECT
public:
    explicit FrmFind(frmStations &manager);

    // Starts a search of what the fields hold, in place of one under way. Enter in a field does it.
    void CmdSearch_Click();
    // Adds the selected stations through the manager, which saves them.
    void CmdAdd_Click();

    QLineEdit *TxtName, *TxtTag, *TxtCountry;
    QPushButton *CmdSearch, *CmdAdd, *CmdClose;
    // Name, country, codec, bitrate, tags.
    QTreeWidget *LstFound;
    // What the dialog is doing: searching, how many were found, how many were added.
    QLabel *LblStatus;

private:
    void ShowResult(const directory::SearchResult &result);

    frmStations &m_manager;
    directory::DirectorySearch *m_search = nullptr;
    QList<directory::DirectoryStation> m_found;
};
