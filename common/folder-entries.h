#pragma once
// A folder's entries found by name without regard to letter case, as skins made on a platform whose
// file names ignore case expect ("settings.ini" for "Settings.ini", "aqua" for "Aqua"). The folder is
// listed once; each look-up after that costs one hash probe, however many entries it holds.

#include <QDir>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace common {

// Sorts entry names without regard to case; names equal but for case keep code-point order.
void SortEntryNames(QStringList &names);

class FolderEntries {
public:
    // Lists the entries of `folder` that `filters` selects (QDir's filters; "." and ".." never). A
    // folder that does not exist or cannot be read has no entries.
    FolderEntries(const QString &folder, QDir::Filters filters);

    // The entries' names sorted without regard to case; names equal but for case keep code-point order
    // ("Aqua", "aqua", "Zen").
    const QStringList &Names() const { return m_names; }

    // The entry called `name` in any letter case: `name` itself when there is one so called, otherwise
    // the first in Names() of those differing from it only by case; empty when none matches.
    QString Find(const QString &name) const;

    // The path of the entry Find(name) gives, or of `name` unchanged when none matches.
    QString FilePath(const QString &name) const;

private:
    QString m_folder;
    QStringList m_names;
    QSet<QString> m_exact;
    QHash<QString, QString> m_byFoldedName; // case-folded name → its first entry in m_names
};

} // namespace common
