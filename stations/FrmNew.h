#pragma once
// The modal dialog that adds one station at the end of the manager's list and saves it at once.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class frmStations;

class FrmNew : public QDialog {
    Q_OBJECT
public:
    explicit FrmNew(frmStations &manager);

    // Colours from the skin colours the manager read at its start.
    void Form_Load();
    // Checks both fields, appends the trimmed station, saves, and closes.
    void CmdOK_Click();
    void CmdCancel_Click();

    QLabel *LblURL;
    QLineEdit *TxtURL;
    QLabel *LblStation;
    QLineEdit *TxtName;
    QPushButton *CmdOK;
    QPushButton *CmdCancel;

private:
    // Shows the message and moves the focus to the field at fault.
    void Refuse(const QString &message, QLineEdit *field);

    frmStations &m_manager;
};
