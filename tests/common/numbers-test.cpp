#include "common/numbers.h"
#include "common/runtime-error.h"

#include <QTest>

#include <optional>

using namespace common;

namespace {

// The error number a reading raises, or none.
template <typename Read> std::optional<int> ErrorOf(Read read) {
    try {
        read();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return std::nullopt;
}

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    // Each text read in double and in single precision: the value, or the error each reading raises
    // (0 for none).
    void readsNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("doubleError");
        QTest::addColumn<int>("singleError");
        QTest::newRow("blanks around") << " \t12.5 " << 12.5 << 0 << 0;
        QTest::newRow("negative exponent") << "-3e2" << -300.0 << 0 << 0;
        QTest::newRow("largest single") << "3.4028235e38" << 3.4028235e38 << 0 << 0; // the largest single
        QTest::newRow("past single") << "3.4028236e38" << 3.4028236e38 << 0 << int(ErrOverflow);
        QTest::newRow("1e39") << "1e39" << 1e39 << 0 << int(ErrOverflow);
        QTest::newRow("-1e39") << "-1e39" << -1e39 << 0 << int(ErrOverflow);
        QTest::newRow("1e309") << "1e309" << 0.0 << int(ErrOverflow) << int(ErrOverflow);
        QTest::newRow("-1e309") << "-1e309" << 0.0 << int(ErrOverflow) << int(ErrOverflow);
        QTest::newRow("inf") << "inf" << 0.0 << int(ErrTypeMismatch) << int(ErrTypeMismatch);
        QTest::newRow("-inf") << "-inf" << 0.0 << int(ErrTypeMismatch) << int(ErrTypeMismatch);
        QTest::newRow("nan") << "nan" << 0.0 << int(ErrTypeMismatch) << int(ErrTypeMismatch);
        QTest::newRow("text") << "abc" << 0.0 << int(ErrTypeMismatch) << int(ErrTypeMismatch);
        QTest::newRow("empty") << "" << 0.0 << int(ErrTypeMismatch) << int(ErrTypeMismatch);
    }
    void readsNumbers() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(int, doubleError);
        QFETCH(int, singleError);
        const QString source = QStringLiteral("Test");
        double read = 0;
        QCOMPARE(ErrorOf([&] { read = ParseNumber(text, source); }).value_or(0), doubleError);
        if (doubleError == 0)
            QCOMPARE(read, value);
        float single = 0;
        QCOMPARE(ErrorOf([&] { single = ParseSingle(text, source); }).value_or(0), singleError);
        if (singleError == 0)
            QCOMPARE(single, float(value));
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "numbers-test.moc"
