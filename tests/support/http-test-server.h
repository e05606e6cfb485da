#pragma once
// A real HTTP server on 127.0.0.1 for tests: each path answers with a canned reply, or never answers.
// It runs on the test's own thread, so the code under test must keep the event loop running while it
// waits (as the programs do).

#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QUrl>

class HttpTestServer : public QObject {
    Q_OBJECT
public:
    struct Route {
        Route(int status = 200, QByteArray body = {}, QByteArray location = {}, bool silent = false)
            : status(status), body(std::move(body)), location(std::move(location)), silent(silent) {}
        int status;
        QByteArray body;
        QByteArray location; // for redirects
        bool silent;         // accept the request and never answer
    };

    HttpTestServer();
    void route(const QString &path, const Route &reply) { m_routes.insert(path, reply); }
    QUrl url(const QString &path) const;
    // Requests received so far, by path.
    QStringList requests;

private:
    void answer(QTcpSocket *connection);

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
};
