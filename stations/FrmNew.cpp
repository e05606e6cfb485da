#include "stations/FrmNew.h"

#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "stations/frmStations.h"

#include <QGridLayout>
#include <QHBoxLayout>

FrmNew::FrmNew(frmStations &manager) : QDialog(&manager), m_manager(manager) {
    setWindowTitle(QStringLiteral("Add Station"));
    setModal(true);
    LblURL = new QLabel(QStringLiteral("Enter Station URL"), this);
    TxtURL = new QLineEdit(this);
    LblStation = new QLabel(QStringLiteral("Enter Station Name"), this);
    TxtName = new QLineEdit(this);
    CmdOK = new QPushButton(QStringLiteral("&OK"), this);
    CmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    // Enter in either field confirms.
    CmdOK->setDefault(true);
    LblURL->setBuddy(TxtURL);
    LblStation->setBuddy(TxtName);

    auto *layout = new QGridLayout(this);
    layout->addWidget(LblURL, 0, 0);
    layout->addWidget(TxtURL, 0, 1);
    layout->addWidget(LblStation, 1, 0);
    layout->addWidget(TxtName, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancel);
    layout->addLayout(buttons, 2, 0, 1, 2);
    TxtURL->setMinimumWidth(300);

    stations::Paint(this, stations::kDesignedBack, stations::kDesignedFore);

    connect(CmdOK, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    connect(CmdCancel, &QPushButton::clicked, this, [this] { CmdCancel_Click(); });
    Form_Load();
}

void FrmNew::Form_Load() {
    const stations::SkinColours &colours = m_manager.skinColours();
    stations::Paint(this, colours.back, std::nullopt);
    stations::Paint(LblURL, std::nullopt, colours.fore);
    stations::Paint(LblStation, std::nullopt, colours.fore);
    stations::Paint(TxtURL, colours.comboBack, colours.fore);
    stations::Paint(TxtName, colours.comboBack, colours.fore);
}

void FrmNew::Refuse(const QString &message, QLineEdit *field) {
    ui::MessageBox(message, ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
    field->setFocus();
}

void FrmNew::CmdOK_Click() {
    ui::RunShowingErrors([this] {
        const QString address = TxtURL->text().trimmed();
        const QString name = TxtName->text().trimmed();
        if (address.isEmpty())
            return Refuse(QStringLiteral("Please enter the station's URL"), TxtURL);
        if (name.isEmpty())
            return Refuse(QStringLiteral("Please enter the station's name"), TxtName);
        m_manager.LstStations->addItem(name);
        m_manager.LstURLS.append(address);
        m_manager.SaveStations();
        ui::MessageBox(QStringLiteral("Successfully added the new station"), ui::Icon::Information,
                       ui::Buttons::OkOnly, ui::kErrorTitle);
        m_manager.LstStations->setCurrentRow(m_manager.LstStations->count() - 1);
        accept();
    });
}

void FrmNew::CmdCancel_Click() { reject(); }
