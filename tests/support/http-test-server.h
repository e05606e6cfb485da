#pragma once
// A real HTTP or HTTPS server on 127.0.0.1 for tests: each path answers with a canned reply, or never
// answers. It runs on the test's own thread, so the code under test must keep the event loop running
// while it waits (as the programs do).

#include <QByteArray>
#include <QHash>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QUrl>
#include <memory>

class HttpTestServer : public QObject {
    Q_OBJECT
public:
    struct Route {
        Route(int status = 200, QByteArray body = {}, QByteArray location = {}, bool silent = false,
              QByteArray contentEncoding = {})
            : status(status), body(std::move(body)), location(std::move(location)), silent(silent),
              contentEncoding(std::move(contentEncoding)) {}
        int status;
        QByteArray body;
        QByteArray location;        // for redirects
        bool silent;                // accept the request and never answer
        QByteArray contentEncoding; // "deflate" when the body is packed
    };

    // Plain HTTP.
    HttpTestServer();
    // HTTPS with the certificate and key of `tls`.
    explicit HttpTestServer(const QSslConfiguration &tls);
    ~HttpTestServer() override;

    void route(const QString &path, const Route &reply) { m_routes.insert(path, reply); }
    QUrl url(const QString &path) const;
    // Requests received so far: their paths, and their header lines as sent.
    QStringList requests;
    QList<QByteArray> requestHeaders;

private:
    void listen();
    void answer(QTcpSocket *connection);

    std::unique_ptr<QTcpServer> m_server;
    QHash<QString, Route> m_routes;
};
