#pragma once
// Line splitting for the line-based playlist formats, which arrive with any of the three line ends.

#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace cli {

inline QStringList PlaylistLines(const QString &text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

} // namespace cli
