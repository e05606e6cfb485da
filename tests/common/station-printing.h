#pragma once
// Lets QCOMPARE print stations when they differ.

#include "common/station-file.h"

#include <QTest>

namespace common {
inline char *toString(const Station &station) {
    return QTest::toString(station.name + QStringLiteral(" | ") + station.address);
}
} // namespace common
