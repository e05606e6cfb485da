#include "stations/FrmFind.h"

#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "stations/frmStations.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <utility>

namespace {

enum Column { Name, Country, Codec, Bitrate, Tags };

// As many results as a list can usefully show at once.
constexpr int kResultLimit = 200;

} // namespace

FrmFind::FrmFind(frmStations &manager) : QDialog(&manager), m_manager(manager) {
    setWindowTitle(QStringLiteral("Find Stations"));
    setModal(true);
    TxtName = new QLineEdit(this);
    TxtTag = new QLineEdit(this);
    TxtCountry = new QLineEdit(this);
    TxtName->setPlaceholderText(QStringLiteral("Station name"));
    TxtTag->setPlaceholderText(QStringLiteral("Genre or tag, e.g. jazz"));
    TxtCountry->setPlaceholderText(QStringLiteral("Country code, e.g. IN"));
    TxtCountry->setMaxLength(2);
    CmdSearch = new QPushButton(QStringLiteral("&Search"), this);
    CmdAdd = new QPushButton(QStringLiteral("&Add"), this);
    CmdClose = new QPushButton(QStringLiteral("&Close"), this);
    CmdAdd->setEnabled(false);
    // Enter searches from any field; the buttons never take Enter for themselves.
    for (QPushButton *button : {CmdSearch, CmdAdd, CmdClose})
        button->setAutoDefault(false);
    LstFound = new QTreeWidget(this);
    LstFound->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Country"), QStringLiteral("Codec"),
                               QStringLiteral("Bitrate"), QStringLiteral("Tags")});
    LstFound->setRootIsDecorated(false);
    LstFound->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LstFound->header()->setSectionResizeMode(Name, QHeaderView::Stretch);
    LstFound->header()->setStretchLastSection(false);
    LblStatus = new QLabel(this);

    auto *fields = new QHBoxLayout;
    for (QWidget *field : {static_cast<QWidget *>(TxtName), static_cast<QWidget *>(TxtTag),
                           static_cast<QWidget *>(TxtCountry), static_cast<QWidget *>(CmdSearch)})
        fields->addWidget(field);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(LblStatus, 1);
    buttons->addWidget(CmdAdd);
    buttons->addWidget(CmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(LstFound);
    layout->addLayout(buttons);
    resize(640, 420);

    // As the editor's own window: its designed colours, then the skin's where it has them.
    stations::Paint(this, stations::kDesignedBack, stations::kDesignedFore);
    stations::Paint(LstFound, stations::kDesignedBack, stations::kDesignedFore);
    const stations::SkinColours &colours = manager.skinColours();
    stations::Paint(this, colours.back, colours.fore);
    stations::Paint(LstFound, colours.back, colours.fore);
    for (QLineEdit *field : {TxtName, TxtTag, TxtCountry})
        stations::Paint(field, colours.comboBack, colours.fore);

    for (QLineEdit *field : {TxtName, TxtTag, TxtCountry})
        connect(field, &QLineEdit::returnPressed, this, [this] { CmdSearch_Click(); });
    connect(CmdSearch, &QPushButton::clicked, this, [this] { CmdSearch_Click(); });
    connect(CmdAdd, &QPushButton::clicked, this, [this] { CmdAdd_Click(); });
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(LstFound, &QTreeWidget::itemSelectionChanged, this,
            [this] { CmdAdd->setEnabled(!LstFound->selectedItems().isEmpty()); });
}

void FrmFind::CmdSearch_Click() {
    directory::DirectoryQuery query;
    query.name = TxtName->text().trimmed();
    query.tag = TxtTag->text().trimmed();
    query.countryCode = TxtCountry->text().trimmed().toUpper();
    query.limit = kResultLimit;
    delete std::exchange(m_search, new directory::DirectorySearch(query, this));
    LstFound->clear();
    m_found.clear();
    LblStatus->setText(QStringLiteral("Searching…"));
    connect(m_search, &directory::DirectorySearch::finished, this,
            [this](const directory::SearchResult &result) { ShowResult(result); });
}

void FrmFind::ShowResult(const directory::SearchResult &result) {
    std::exchange(m_search, nullptr)->deleteLater();
    if (!result.error.isEmpty()) {
        LblStatus->clear();
        ui::MessageBox(result.error, ui::Icon::Exclamation, ui::Buttons::OkOnly,
                       QStringLiteral("Find Stations"));
        return;
    }
    m_found = result.stations;
    for (const directory::DirectoryStation &station : std::as_const(m_found)) {
        auto *item = new QTreeWidgetItem(LstFound);
        item->setText(Name, station.name);
        item->setText(Country, station.countryCode);
        item->setText(Codec, station.codec);
        item->setText(Bitrate,
                      station.bitrate > 0 ? QStringLiteral("%1 kbit/s").arg(station.bitrate) : QString());
        item->setText(Tags, station.tags.join(QStringLiteral(", ")));
        item->setToolTip(Name, station.address);
    }
    LblStatus->setText(m_found.isEmpty() ? QStringLiteral("No station found.")
                                         : QStringLiteral("%1 station(s) found.").arg(m_found.size()));
}

void FrmFind::CmdAdd_Click() {
    QList<directory::DirectoryStation> selected;
    for (int row = 0; row < LstFound->topLevelItemCount(); ++row)
        if (LstFound->topLevelItem(row)->isSelected())
            selected.append(m_found.value(row));
    const common::StationList chosen = directory::ToStations(selected);
    if (chosen.isEmpty())
        return;
    ui::RunShowingErrors([&] {
        const int added = m_manager.AddStations(chosen);
        LblStatus->setText(QStringLiteral("%1 new station(s) added.").arg(added));
    });
}
