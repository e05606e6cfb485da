// Reading the community radio directory's answer, from the fetched bytes to the stations: answers of
// the directory's own shape (every field it sends, most of which the program passes over), and answers
// whose every text needs cleaning (line breaks, "==>" in names, long names and many tags). The argument
// is the number of stations: a quarter of 10 000 and all of them, so the two times show the parse
// growing in step with the answer.

#include "directory/directory-station.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray DocumentedEntry(int i) {
    return QStringLiteral(
               R"({"changeuuid":"9617a958-0601-11e8-ae97-52543be04c81","stationuuid":"96062a7b-0601-11e8-ae97-%1",)"
               R"("serveruuid":null,"name":"Radio %1 Jazz & Blues","url":"http://stream%1.example.org/live.pls",)"
               R"("url_resolved":"http://stream%1.example.org:8000/live","homepage":"https://radio%1.example.org/",)"
               R"("favicon":"https://radio%1.example.org/favicon.ico","tags":"jazz,blues,smooth jazz,talk",)"
               R"("country":"India","countrycode":"IN","iso_3166_2":null,"state":"Maharashtra",)"
               R"("language":"hindi,english","languagecodes":"hi,en","votes":%1,)"
               R"("lastchangetime":"2026-01-01 10:00:00","lastchangetime_iso8601":"2026-01-01T10:00:00Z",)"
               R"("codec":"MP3","bitrate":128,"hls":0,"lastcheckok":1,"lastchecktime":"2026-12-01 08:00:00",)"
               R"("lastcheckoktime":"2026-12-01 08:00:00","clicktimestamp":"2026-12-01 09:00:00",)"
               R"("clickcount":%1,"clicktrend":3,"ssl_error":0,"geo_lat":19.07,"geo_long":72.87,)"
               R"("has_extended_info":false})")
        .arg(i)
        .toUtf8();
}

QByteArray EntryToClean(int i) {
    return QStringLiteral(
               R"({"name":"  Radio\r\n%1 ==> %2\t\u0007 ","url":"http://s%1.example.org/","url_resolved":"",)"
               R"("countrycode":" i\tn ","codec":"MP3\n","bitrate":%1,"tags":"%3"})")
        .arg(i)
        .arg(QString(300, u'n'), QStringLiteral("a\\tb,").repeated(40))
        .toUtf8();
}

void Parse(benchmark::State &state, QByteArray (*entry)(int)) {
    QByteArray answer = "[";
    for (int i = 0; i < state.range(0); ++i)
        answer += (i > 0 ? "," : "") + entry(i);
    answer += "]";
    for (auto _ : state) {
        const directory::SearchResult result = directory::ParseDirectoryStations(answer);
        if (result.stations.size() != state.range(0))
            state.SkipWithError("stations were lost");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * answer.size());
    state.counters["answer_KiB"] = double(answer.size()) / 1024;
}

} // namespace

BENCHMARK_CAPTURE(Parse, documented_shape, DocumentedEntry)
    ->Arg(2500)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, texts_to_clean, EntryToClean)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
