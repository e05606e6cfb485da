// Player.dll is shared: a player reading it while Stations saves sees the old list or the new one,
// never a torn file.

#include "tests/stations/station-fixtures.h"

#include <QTemporaryDir>
#include <QThread>
#include <atomic>

class SharedStationFileTest : public QObject {
    Q_OBJECT
private slots:
    void readerDuringSavesSeesWholeLists() {
        QTemporaryDir folder;
        const QString path = folder.path() + "/Player.dll";
        QStringList many;
        for (int i = 0; i < 400; ++i)
            many.append(QStringLiteral("Station %1").arg(i));
        const common::StationList shortList = Stations({"A", "B", "C"});
        const common::StationList longList = Stations(many);
        common::WriteStationFile(path, shortList);

        std::atomic<bool> done{false};
        std::unique_ptr<QThread> writer(QThread::create([&] {
            for (int i = 0; i < 150; ++i)
                common::WriteStationFile(path, i % 2 ? shortList : longList);
            done = true;
        }));
        writer->start();
        int reads = 0;
        while (!done) {
            const common::StationList seen = common::ReadStationFile(path).value();
            QVERIFY2(seen == shortList || seen == longList, qPrintable(QString::number(seen.size())));
            ++reads;
        }
        writer->wait();
        QVERIFY(reads > 10);
    }
};

QTEST_GUILESS_MAIN(SharedStationFileTest)
#include "tst_shared_station_file.moc"
