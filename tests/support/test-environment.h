#pragma once
// What every GUI test needs: its own program folder (with a blank in its path), settings and data folders,
// and the ui layer's recorder in place of real message boxes and of ending the program.

#include "platform/ui/message-box.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <optional>

class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    // The program folder, holding every companion file as an empty file (none when `withCompanions`
    // was false at construction).
    QString programFolder() const { return m_root.path() + QStringLiteral("/program folder"); }
    QString configHome() const { return m_root.path() + QStringLiteral("/config"); }
    QString dataHome() const { return m_root.path() + QStringLiteral("/data"); }
    QString path(const QString &fileName) const { return programFolder() + QLatin1Char('/') + fileName; }

    void writeFile(const QString &fileName, const QByteArray &content) const;
    void removeFile(const QString &fileName) const;

    // Message boxes shown since the last clear, and the answer the recorder gives.
    QList<ui::BoxRequest> boxes;
    ui::Answer answer = ui::Answer::Ok;
    // The exit code the program asked to end with, if it did.
    std::optional<int> endedWith;

private:
    QTemporaryDir m_root;
};
