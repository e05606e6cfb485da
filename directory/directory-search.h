#pragma once
// A search of the community radio directory. The directory is served by several equal servers found by
// looking up one name; they are tried in random order, one after another, until one gives a readable
// answer. TUNELARK_DIRECTORY_URL, when set, names the servers instead (base URLs separated by blanks or
// commas, tried in the order given).
//
// Threads: the thread that makes it, which must run an event loop; `finished` comes through it.

#include "directory/directory-station.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

namespace platform::http {
struct Reply;
}

namespace directory {

struct DirectoryQuery {
    QString name;        // part of the station's name; empty for any
    QString tag;         // one of its tags; empty for any
    QString countryCode; // two letters; empty for any
    int limit = 100;     // at most this many stations, the most listened first
};

// The search address on one server: SERVER/json/stations/search with the query's non-empty fields,
// percent-encoded, the most listened stations first and broken ones left out.
QUrl SearchUrl(const QUrl &server, const DirectoryQuery &query);

class DirectorySearch : public QObject {
    Q_OBJECT
public:
    // Starts the search at once.
    explicit DirectorySearch(const DirectoryQuery &query, QObject *parent = nullptr);
    // Deleting a search under way abandons it: `finished` is not emitted.
    ~DirectorySearch() override;

signals:
    // Once, never from inside the constructor: the stations found (perhaps none), or one message when
    // no server gave a readable answer.
    void finished(const directory::SearchResult &result);

private:
    void tryNextServer();
    void answered(const platform::http::Reply &reply);

    DirectoryQuery m_query;
    QList<QUrl> m_servers;
    qsizetype m_next = 0;
    QString m_lastError;
};

} // namespace directory
