#include "directory/directory-search.h"

#include "platform/dns/server-names.h"
#include "platform/http/http-fetch.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrlQuery>
#include <algorithm>

namespace directory {

namespace {

// The name behind which the directory's servers stand.
const QString kServersName = QStringLiteral("all.api.radio-browser.info");
constexpr int kTimeLimitMs = 30 * 1000;
constexpr qint64 kMaxReplyBytes = 4 * 1024 * 1024;

// The servers TUNELARK_DIRECTORY_URL names; none when it is not set.
QList<QUrl> ConfiguredServers() {
    QList<QUrl> servers;
    const QString setting = qEnvironmentVariable("TUNELARK_DIRECTORY_URL");
    for (const QString &base :
         setting.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts))
        servers.append(QUrl(base));
    return servers;
}

// The directory asks its users to spread their requests over its servers at random.
QList<QUrl> ServersInRandomOrder(QStringList names) {
    std::shuffle(names.begin(), names.end(), *QRandomGenerator::global());
    QList<QUrl> servers;
    for (const QString &name : std::as_const(names)) {
        QUrl server;
        server.setScheme(QStringLiteral("https"));
        server.setHost(name);
        servers.append(server);
    }
    return servers;
}

QString Unreachable(const QString &why) {
    return QStringLiteral("The radio directory could not be reached: %1").arg(why);
}

} // namespace

QUrl SearchUrl(const QUrl &server, const DirectoryQuery &query) {
    QString path = server.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    QUrl url = server;
    url.setPath(path + QStringLiteral("/json/stations/search"));
    // Encoded here, all but the unreserved characters, so "+" or "&" in a name stay part of it.
    QStringList items;
    const auto add = [&items](const char *key, const QString &value) {
        if (!value.isEmpty())
            items.append(QLatin1String(key) + u'=' + QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    add("name", query.name);
    add("tag", query.tag);
    add("countrycode", query.countryCode.toUpper());
    add("order", QStringLiteral("clickcount"));
    add("reverse", QStringLiteral("true"));
    add("hidebroken", QStringLiteral("true"));
    add("limit", QString::number(query.limit));
    url.setQuery(items.join(u'&'), QUrl::StrictMode);
    return url;
}

DirectorySearch::DirectorySearch(const DirectoryQuery &query, QObject *parent)
    : QObject(parent), m_query(query), m_servers(ConfiguredServers()) {
    if (!m_servers.isEmpty()) {
        QMetaObject::invokeMethod(this, &DirectorySearch::tryNextServer, Qt::QueuedConnection);
        return;
    }
    platform::dns::LookUpServerNames(kServersName, this, [this](const QStringList &names) {
        m_servers = ServersInRandomOrder(names);
        if (m_servers.isEmpty())
            m_lastError =
                Unreachable(QStringLiteral("its servers (%1) could not be found.").arg(kServersName));
        tryNextServer();
    });
}

DirectorySearch::~DirectorySearch() = default; // the fetch under way goes with it, silently

void DirectorySearch::tryNextServer() {
    if (m_next == m_servers.size()) {
        emit finished(SearchResult{{}, m_lastError});
        return;
    }
    auto *fetch = new platform::http::Fetch(SearchUrl(m_servers[m_next++], m_query), kTimeLimitMs,
                                            kMaxReplyBytes, this);
    connect(fetch, &platform::http::Fetch::finished, this, [this, fetch](const platform::http::Reply &reply) {
        fetch->deleteLater();
        answered(reply);
    });
}

void DirectorySearch::answered(const platform::http::Reply &reply) {
    if (!reply.ok()) {
        m_lastError = Unreachable(reply.error);
        tryNextServer();
        return;
    }
    SearchResult result = ParseDirectoryStations(reply.body);
    if (!result.error.isEmpty()) {
        // A server that answers with something else may be broken on its own; the next may answer.
        m_lastError = result.error;
        tryNextServer();
        return;
    }
    emit finished(result);
}

} // namespace directory
