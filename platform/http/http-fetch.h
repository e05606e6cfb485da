#pragma once
// One HTTP(S) GET that runs while the program goes on: redirects are followed (at most 5, never from
// HTTPS to HTTP), compressed replies are unpacked, the reply is size-limited and the wait
// time-limited. Every request names the program in its User-Agent ("Tunelark/VERSION").
//
// Threads: the thread that makes it; `finished` comes through its event loop.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace platform::http {

struct Reply {
    QByteArray body;
    // Empty on success; otherwise why the download failed, ready to show to the user.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Fails on a network error, an HTTP status other than 2xx, a reply (unpacked) larger than
// `maxBytes`, or no complete reply within `timeLimitMs`.
class Fetch : public QObject {
    Q_OBJECT
public:
    Fetch(const QUrl &url, int timeLimitMs, qint64 maxBytes, QObject *parent = nullptr);
    // Deleting a fetch under way abandons it: `finished` is not emitted.
    ~Fetch() override;

signals:
    // Once, never from inside the constructor.
    void finished(const platform::http::Reply &reply);

private:
    void fail(const QString &error);
    void received();
    void done();

    QUrl m_url;
    qint64 m_maxBytes;
    QNetworkAccessManager *m_network;
    QNetworkReply *m_reply;
    QTimer *m_deadline;
    Reply m_result;
};

} // namespace platform::http
