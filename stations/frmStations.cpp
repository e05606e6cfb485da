#include "stations/frmStations.h"

#include "common/user-data.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "stations/FrmNew.h"

#include <QDir>
#include <QHBoxLayout>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QToolButton *CommandButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &text,
                           const QString &tip) {
    auto *button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

frmStations::frmStations(const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_programFolder(programFolder) {
    setWindowTitle(QStringLiteral("Stations"));
    setWindowIcon(QIcon(QStringLiteral(":/builtin-skin/Tunelark.png")));

    CmdNew = CommandButton(this, QStyle::SP_FileDialogNewFolder, QStringLiteral("Add"),
                           QStringLiteral("Add a station"));
    CmdDelete = CommandButton(this, QStyle::SP_TrashIcon, QStringLiteral("Delete"),
                              QStringLiteral("Delete the selected station (Delete)"));
    cmdUp = CommandButton(this, QStyle::SP_ArrowUp, QStringLiteral("Up"),
                          QStringLiteral("Move the selected station up (Ctrl+Up)"));
    CmdDown = CommandButton(this, QStyle::SP_ArrowDown, QStringLiteral("Down"),
                            QStringLiteral("Move the selected station down (Ctrl+Down)"));
    CmdLive = CommandButton(this, QStyle::SP_BrowserReload, QStringLiteral("Update"),
                            QStringLiteral("Download new stations"));
    CmdFind = CommandButton(this, QStyle::SP_FileDialogContentsView, QStringLiteral("Find"),
                            QStringLiteral("Find stations in the community radio directory"));
    LstStations = new QListWidget(this);
    LblTot = new QLabel(QStringLiteral("Total : 0"), this);

    auto *commands = new QHBoxLayout;
    for (QToolButton *button : {CmdNew, CmdDelete, cmdUp, CmdDown, CmdLive, CmdFind})
        commands->addWidget(button);
    commands->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(LstStations);
    layout->addWidget(LblTot);
    resize(380, 460);

    for (QWidget *element :
         {static_cast<QWidget *>(this), static_cast<QWidget *>(LstStations), static_cast<QWidget *>(LblTot)})
        stations::Paint(element, stations::kDesignedBack, stations::kDesignedFore);

    connect(CmdNew, &QToolButton::clicked, this, [this] { CmdNew_Click(); });
    connect(CmdDelete, &QToolButton::clicked, this, [this] { CmdDelete_Click(); });
    connect(cmdUp, &QToolButton::clicked, this, [this] { cmdUp_Click(); });
    connect(CmdDown, &QToolButton::clicked, this, [this] { CmdDown_Click(); });
    connect(CmdLive, &QToolButton::clicked, this, [this] { CmdLive_Click(); });
    connect(CmdFind, &QToolButton::clicked, this, [this] { CmdFind_Click(); });

    // The keys of a list editor: Delete deletes (with the same question), Ctrl+Up and Ctrl+Down move.
    const std::pair<QKeySequence, void (frmStations::*)()> keys[] = {
        {QKeySequence(Qt::Key_Delete), &frmStations::CmdDelete_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Up), &frmStations::cmdUp_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Down), &frmStations::CmdDown_Click}};
    for (const auto &[sequence, command] : keys) {
        auto *shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, command);
    }
}

QString frmStations::UpdateFilePath() const {
    if (common::CanChangeProgramStationList(m_programFolder))
        return m_programFolder + QStringLiteral("/Update.dll");
    QDir().mkpath(common::UserDataFolder());
    return common::UserDataFolder() + QStringLiteral("/Update.dll");
}

void frmStations::Form_Load() {
    LoadSkinColors();
    ReadStationFile();
}

void frmStations::LoadSkinColors() {
    m_skinColours = stations::LoadSkinColors();
    stations::Paint(this, m_skinColours.back, std::nullopt);
    stations::Paint(LblTot, m_skinColours.back, m_skinColours.fore);
    stations::Paint(LstStations, m_skinColours.back, m_skinColours.fore);
}

void frmStations::ReadStationFile() {
    ui::RunShowingErrors([this] {
        const auto stations = common::ReadStationFile(common::StationListPath(m_programFolder));
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

void frmStations::WriteStationFile(const QString &filePath, const QStringList &names,
                                   const QStringList &addresses) {
    common::StationList stations;
    for (int i = 0; i < names.size(); ++i)
        stations.append({names[i], addresses.value(i)});
    common::WriteStationFile(filePath, stations);
}

void frmStations::SaveStations() {
    QStringList names;
    for (int i = 0; i < LstStations->count(); ++i)
        names.append(LstStations->item(i)->text());
    WriteStationFile(common::StationListPathForChange(m_programFolder), names, LstURLS);
}

void frmStations::CmdNew_Click() {
    ui::RunShowingErrors([this] {
        FrmNew dialog(*this);
        dialog.exec();
    });
}

bool frmStations::StationSelected() {
    if (LstStations->currentRow() >= 0 && LstStations->currentItem()->isSelected())
        return true;
    ui::MessageBox(QStringLiteral("You need to select a station"), ui::Icon::Information, ui::Buttons::OkOnly,
                   ui::kErrorTitle);
    return false;
}

void frmStations::CmdDelete_Click() {
    ui::RunShowingErrors([this] {
        if (!StationSelected())
            return;
        if (ui::MessageBox(QStringLiteral("Are you sure you want to delete the selected stations?"),
                           ui::Icon::Information, ui::Buttons::YesNo, ui::kErrorTitle) != ui::Answer::Yes)
            return;
        const int index = LstStations->currentRow();
        LstURLS.removeAt(index);
        delete LstStations->takeItem(index);
        // Nothing stays selected, so a second Delete cannot remove a neighbour unseen.
        LstStations->setCurrentRow(-1);
        LstStations->clearSelection();
        SaveStations();
    });
}

void frmStations::MoveStation(int from, int to) {
    LstURLS.swapItemsAt(from, to);
    const QString name = LstStations->item(from)->text();
    LstStations->item(from)->setText(LstStations->item(to)->text());
    LstStations->item(to)->setText(name);
    LstStations->setCurrentRow(to);
    SaveStations();
}

void frmStations::cmdUp_Click() {
    ui::RunShowingErrors([this] {
        if (!StationSelected())
            return;
        const int index = LstStations->currentRow();
        if (index > 0)
            MoveStation(index, index - 1);
    });
}

void frmStations::CmdDown_Click() {
    ui::RunShowingErrors([this] {
        if (!StationSelected())
            return;
        const int index = LstStations->currentRow();
        if (index < LstStations->count() - 1)
            MoveStation(index, index + 1);
    });
}
