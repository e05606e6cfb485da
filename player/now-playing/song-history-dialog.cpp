#include "player/now-playing/song-history-dialog.h"

#include "player/now-playing/song-history.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace now_playing {

SongHistoryDialog::SongHistoryDialog(const SongHistory &history, QWidget *parent)
    : QDialog(parent), m_history(history), m_list(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Song History"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    QPushButton *copyAllButton = buttons->addButton(QStringLiteral("Copy All"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, &SongHistoryDialog::copySelected);
    connect(copyAllButton, &QPushButton::clicked, this, &SongHistoryDialog::copyAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(560, 360);
    refresh();
}

void SongHistoryDialog::refresh() {
    m_list->clear();
    for (const Song &song : m_history.songs())
        m_list->addItem(SongHistory::Line(song));
}

QString SongHistoryDialog::lines(bool selectedOnly) const {
    QString text;
    for (int row = 0; row < m_list->count(); ++row)
        if (!selectedOnly || m_list->item(row)->isSelected())
            text += m_list->item(row)->text() + u'\n';
    return text;
}

void SongHistoryDialog::copySelected() const { QApplication::clipboard()->setText(lines(true)); }

void SongHistoryDialog::copyAll() const { QApplication::clipboard()->setText(lines(false)); }

} // namespace now_playing
