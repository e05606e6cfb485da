#pragma once
// Sends commands that must all succeed but the last, whose MCI error code is checked, with its text.

#include "platform/mci/mci.h"

#include <QStringList>
#include <QtTest>

inline void CheckLastCommandFails(QStringList commands, int error) {
    const QString last = commands.takeLast();
    for (const QString &command : commands)
        QCOMPARE(platform::mci::mciSendString(command), 0);
    QCOMPARE(platform::mci::mciSendString(last), error);
    QVERIFY(!platform::mci::mciGetErrorString(error).isEmpty());
}
