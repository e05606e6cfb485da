#include "common/folder-entries.h"

#include <algorithm>

namespace common {

void SortEntryNames(QStringList &names) {
    std::sort(names.begin(), names.end(), [](const QString &left, const QString &right) {
        const int order = left.compare(right, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : left < right;
    });
}

FolderEntries::FolderEntries(const QString &folder, QDir::Filters filters)
    : m_folder(folder), m_names(QDir(folder).entryList(filters | QDir::NoDotAndDotDot, QDir::Unsorted)) {
    SortEntryNames(m_names);
    m_exact.reserve(m_names.size());
    m_byFoldedName.reserve(m_names.size());
    for (const QString &name : std::as_const(m_names)) {
        m_exact.insert(name);
        const QString folded = name.toCaseFolded();
        if (!m_byFoldedName.contains(folded))
            m_byFoldedName.insert(folded, name);
    }
}

QString FolderEntries::Find(const QString &name) const {
    if (m_exact.contains(name))
        return name;
    return m_byFoldedName.value(name.toCaseFolded());
}

QString FolderEntries::FilePath(const QString &name) const {
    const QString found = Find(name);
    return m_folder + u'/' + (found.isEmpty() ? name : found);
}

} // namespace common
