#include "common/runtime-error.h"

#include <QTest>

using namespace common;

class RuntimeErrorTest : public QObject {
    Q_OBJECT

private slots:
    void describesNumbers_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("5") << 5 << "Invalid procedure call or argument";
        QTest::newRow("6") << 6 << "Overflow";
        QTest::newRow("7") << 7 << "Out of memory";
        QTest::newRow("9") << 9 << "Subscript out of range";
        QTest::newRow("11") << 11 << "Division by zero";
        QTest::newRow("13") << 13 << "Type mismatch";
        QTest::newRow("52") << 52 << "Bad file name or number";
        QTest::newRow("53") << 53 << "File not found";
        QTest::newRow("55") << 55 << "File already open";
        QTest::newRow("57") << 57 << "Device I/O error";
        QTest::newRow("61") << 61 << "Disk full";
        QTest::newRow("62") << 62 << "Input past end of file";
        QTest::newRow("70") << 70 << "Permission denied";
        QTest::newRow("75") << 75 << "Path/File access error";
        QTest::newRow("76") << 76 << "Path not found";
        QTest::newRow("380") << 380 << "Invalid property value";
        QTest::newRow("unknown 0") << 0 << "Application-defined or object-defined error";
        QTest::newRow("unknown 1000") << 1000 << "Application-defined or object-defined error";
        QTest::newRow("unknown -5") << -5 << "Application-defined or object-defined error";
    }
    void describesNumbers() {
        QFETCH(int, number);
        QFETCH(QString, description);
        QCOMPARE(ErrorDescription(number), description);
        const RuntimeError error = RuntimeError::fromNumber(number, QStringLiteral("Caller"));
        QCOMPARE(error.number(), number);
        QCOMPARE(error.description(), description);
        QCOMPARE(error.source(), QStringLiteral("Caller"));
        QCOMPARE(QString::fromUtf8(error.what()), description);
    }

    void whatHoldsUtf8() {
        const RuntimeError error(1000, QStringLiteral("Café – Ünïcödé"));
        QCOMPARE(QByteArray(error.what()), QStringLiteral("Café – Ünïcödé").toUtf8());
    }

    void hidesOnlyDivisionByZero_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("shown");
        QTest::newRow("division by zero") << "Division by zero" << false;
        QTest::newRow("other case") << "division by zero" << true;
        QTest::newRow("trailing blank") << "Division by zero " << true;
        QTest::newRow("overflow") << "Overflow" << true;
        QTest::newRow("empty") << "" << true;
    }
    void hidesOnlyDivisionByZero() {
        QFETCH(QString, description);
        QFETCH(bool, shown);
        QCOMPARE(ShouldShowError(description), shown);
    }
};

QTEST_GUILESS_MAIN(RuntimeErrorTest)
#include "runtime-error-test.moc"
