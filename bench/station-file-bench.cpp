// Writing and reading a station file of 100 000 stations, and reading its lines without decoding them
// (split into texts as the reader does, or merely scanned), to see what the line codec costs on top of
// plain reading.

#include "common/station-file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kStations = 100'000;

common::StationList ManyStations() {
    common::StationList stations;
    stations.reserve(kStations);
    for (int i = 0; i < kStations; ++i)
        stations.append({QStringLiteral("Station %1 – Jazz & Blues").arg(i),
                         QStringLiteral("http://stream%1.example.com:8000/live.mp3").arg(i)});
    return stations;
}

// One station file shared by the reading benchmarks, written once.
const QString &SharedFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("stations.dat"));
        common::WriteStationFile(file, ManyStations());
        return file;
    }();
    return path;
}

QByteArray ReadContent(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

void BM_WriteStationFile(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stations.dat"));
    const common::StationList stations = ManyStations();
    for (auto _ : state)
        common::WriteStationFile(path, stations);
    state.SetItemsProcessed(state.iterations() * kStations);
}

void BM_ReadStationFile(benchmark::State &state) {
    const QString &path = SharedFile();
    for (auto _ : state) {
        const std::optional<common::StationList> stations = common::ReadStationFile(path);
        if (!stations || stations->size() != kStations)
            state.SkipWithError("the station file did not read back whole");
        benchmark::DoNotOptimize(stations);
    }
    state.SetItemsProcessed(state.iterations() * kStations);
}

void BM_ReadStationLines(benchmark::State &state) {
    const QString &path = SharedFile();
    for (auto _ : state) {
        const QStringList lines = common::SplitStationLines(ReadContent(path));
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * kStations);
}

// The least a line reader can do: find every line end, keeping no line.
void BM_ScanStationLines(benchmark::State &state) {
    const QString &path = SharedFile();
    for (auto _ : state) {
        const QByteArray content = ReadContent(path);
        qsizetype lines = 0;
        for (qsizetype end = content.indexOf('\r'); end >= 0; end = content.indexOf('\r', end + 1))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * kStations);
}

} // namespace

BENCHMARK(BM_WriteStationFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadStationFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadStationLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanStationLines)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
