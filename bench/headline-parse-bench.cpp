// The headline parse, from the fetched bytes to the ticker's pieces, of pages as large as the ticker
// takes (1 MiB), built to be as hard as can be: many tiny entries, empty headlines, one entry full of
// "theSummaries[", a key with a long number, no marker at all, and a headline of arrows; and feeds: RSS
// of short titles, Atom of HTML titles full of references, and a feed whose second item stands in a tag
// of thousands of attributes (read up to that tag). The argument is the page size in bytes: a quarter
// page and a whole one, so the two times show the parse growing in step with the page.

#include "player/news/headlines.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr qsizetype kMebibyte = 1 << 20;

// The marker, then `part(i)` for i = 1, 2, … as long as the page stays within `size` bytes.
QString Page(qsizetype size, const std::function<QString(qsizetype)> &part,
             const QString &start = QStringLiteral("theSummaries[0] = '';")) {
    QString page = start;
    for (qsizetype i = 1;; ++i) {
        const QString next = part(i);
        if (page.size() + next.size() > size)
            return page;
        page += next;
    }
}

QString Repeated(qsizetype size, const QString &start, const QString &unit) {
    return Page(
        size, [&](qsizetype) { return unit; }, start);
}

// Entries that hold "theSummaries[" but no key: each one is looked at, none gives a headline text.
QString KeylessEntries(qsizetype size) {
    return Repeated(size, QStringLiteral("theSummaries[0] = '';"), QStringLiteral("theSummaries[';"));
}

QString EmptyHeadlines(qsizetype size) {
    return Page(size, [](qsizetype i) { return QStringLiteral("theSummaries[%1] = '';").arg(i); });
}

QString ShortHeadlines(qsizetype size) {
    return Page(size,
                [](qsizetype i) { return QStringLiteral("theSummaries[%1] = 'R&B \\'%1\\'';").arg(i); });
}

QString KeyStartsInOneEntry(qsizetype size) {
    return Repeated(size, QStringLiteral("theSummaries[0] = 'x"), QStringLiteral("theSummaries["));
}

QString LongKeyNumber(qsizetype size) {
    return Repeated(size, QStringLiteral("theSummaries[0] = 'x';theSummaries["), QStringLiteral("9"));
}

QString NoMarker(qsizetype size) {
    return Repeated(size, QStringLiteral(" "), QStringLiteral("theSummaries[1] = 'x';"));
}

QString Arrows(qsizetype size) {
    return Repeated(size, QStringLiteral("theSummaries[0] = '"), QStringLiteral("->"));
}

// A feed of `start`, then `part(i)` for i = 1, 2, … and `end`, within `size` bytes.
QString Feed(qsizetype size, const QString &start, const std::function<QString(qsizetype)> &part,
             const QString &end) {
    return Page(size - end.size(), part, start) + end;
}

const QString kRssStart =
    QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss version=\"2.0\"><channel>");
const QString kRssEnd = QStringLiteral("</channel></rss>");

QString RssFeed(qsizetype size) {
    return Feed(
        size, kRssStart,
        [](qsizetype i) {
            return QStringLiteral("<item><title>Headline %1 &amp; more</title></item>\n").arg(i);
        },
        kRssEnd);
}

QString AtomHtmlFeed(qsizetype size) {
    return Feed(
        size, QStringLiteral("<feed xmlns=\"http://www.w3.org/2005/Atom\">"),
        [](qsizetype i) {
            return QStringLiteral("<entry><title type=\"html\">&lt;b&gt;%1&lt;/b&gt; &amp;ldquo;R&amp;amp;B"
                                  "&amp;rdquo; &amp;#8217; &amp;hellip;</title></entry>")
                .arg(i);
        },
        QStringLiteral("</feed>"));
}

QString AttributesFeed(qsizetype size) {
    return Feed(
        size, kRssStart + QStringLiteral("<item><title>A</title></item><a"),
        [](qsizetype i) { return QStringLiteral(" a%1=\">\"").arg(i); },
        QStringLiteral("><item><title>B</title></item></a>") + kRssEnd);
}

void Parse(benchmark::State &state, QString (*makePage)(qsizetype)) {
    const QByteArray page = makePage(state.range(0)).toUtf8();
    for (auto _ : state) {
        const QStringList pieces = news::NewsPieces(news::HeadlinesText(page));
        benchmark::DoNotOptimize(pieces);
    }
    state.SetBytesProcessed(state.iterations() * page.size());
}

} // namespace

BENCHMARK_CAPTURE(Parse, keyless_entries, KeylessEntries)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, empty_headlines, EmptyHeadlines)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, short_headlines, ShortHeadlines)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, key_starts_in_one_entry, KeyStartsInOneEntry)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, long_key_number, LongKeyNumber)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, no_marker, NoMarker)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, arrows, Arrows)->Arg(kMebibyte / 4)->Arg(kMebibyte)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Parse, rss_feed, RssFeed)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, atom_html_feed, AtomHtmlFeed)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, attributes_feed, AttributesFeed)
    ->Arg(kMebibyte / 4)
    ->Arg(kMebibyte)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
