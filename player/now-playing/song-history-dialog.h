#pragma once
// The song history window of the View menu: the songs heard, newest first, one a line (time,
// station, title); Copy puts the selected lines on the clipboard, Copy All every line.

#include <QDialog>

class QListWidget;

namespace now_playing {

class SongHistory;

class SongHistoryDialog : public QDialog {
    Q_OBJECT
public:
    // `history` must outlive the dialog.
    SongHistoryDialog(const SongHistory &history, QWidget *parent);

    // Fills the list afresh from the history.
    void refresh();
    void copySelected() const;
    void copyAll() const;

    QListWidget *list() const { return m_list; }

private:
    // The lines shown (only the selected ones with `selectedOnly`), newest first, each ending a line.
    QString lines(bool selectedOnly) const;

    const SongHistory &m_history;
    QListWidget *m_list;
};

} // namespace now_playing
