// cMp3Writer's output file and buffer, and its numbered errors.

#include "common/runtime-error.h"
#include "player/recording/cMp3Writer.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

class Mp3WriterTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheBufferToANewFile();
    void raisesNumberedErrors_data();
    void raisesNumberedErrors();
};

void Mp3WriterTest::writesTheBufferToANewFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out file.mp3"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'o'));
    }
    cMp3Writer writer;
    QCOMPARE(writer.BufferSize(), 8192);
    writer.setBufferSize(16);
    writer.setFilename(path);
    std::memcpy(writer.BufferPointer(), "0123456789abcdef", 16);
    QCOMPARE(writer.WriteBufferToFile(10), 10);
    QCOMPARE(writer.WriteBufferToFile(16), 16);
    QCOMPARE(writer.WriteBufferToFile(0), 0);
    writer.CloseFile();
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("01234567890123456789abcdef"));
}

void Mp3WriterTest::raisesNumberedErrors_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("description");
    QTest::newRow("no buffer of 0 bytes") << 1 << "AllocateBuffer"
                                          << "Unable to allocate output buffer for writing";
    QTest::newRow("folder missing") << 2 << "OpenFile"
                                    << "Unable to open file for writing";
    QTest::newRow("more than the buffer") << 3 << "WriteBufferToFile"
                                          << "Cannot write more data than is available in the buffer";
    QTest::newRow("no file") << 4 << "WriteBufferToFile"
                             << "File not open for writing";
}

void Mp3WriterTest::raisesNumberedErrors() {
    QFETCH(int, code);
    QFETCH(QString, step);
    QFETCH(QString, description);
    QTemporaryDir dir;
    cMp3Writer writer;
    const QHash<int, std::function<void()>> actions = {
        {1, [&] { writer.setBufferSize(0); }},
        {2, [&] { writer.setFilename(dir.filePath(QStringLiteral("missing/out.mp3"))); }},
        {3,
         [&] {
             writer.setFilename(dir.filePath(QStringLiteral("out.mp3")));
             writer.WriteBufferToFile(8193);
         }},
        {4, [&] { writer.WriteBufferToFile(1); }},
    };
    try {
        actions[code]();
        QFAIL("no error raised");
    } catch (const common::RuntimeError &error) {
        QCOMPARE(error.number(), 29870 + code);
        QCOMPARE(error.description(), description);
        QCOMPARE(error.source(), QCoreApplication::applicationName() + u'.' + step);
    }
    if (code == 1) {
        QCOMPARE(writer.BufferSize(), 0);
        QCOMPARE(writer.BufferPointer(), nullptr);
    }
}

QTEST_GUILESS_MAIN(Mp3WriterTest)
#include "tst_mp3_writer.moc"
