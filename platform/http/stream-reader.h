#pragma once
// An open-ended GET of a radio stream that asks for its song titles ("Icy-MetaData: 1"): the reply's
// head, then its body bytes as they arrive, until the station stops or the reader is deleted. Speaks
// HTTP/1.0 itself, since radio servers answer SHOUTcast's "ICY 200 OK", which Qt's HTTP stack refuses.
// Redirects are followed (at most 5, never from HTTPS to HTTP); every request names the program in its
// User-Agent ("Tunelark/VERSION"), as the other downloads do.
//
// Threads: the thread that makes it; the signals come through its event loop.

#include "platform/http/response-head.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QTcpSocket;
class QTimer;

namespace platform::http {

class StreamReader : public QObject {
    Q_OBJECT
public:
    // Starts at once. `silenceLimitMs` bounds the wait for the reply and every pause in the stream.
    StreamReader(const QUrl &url, int silenceLimitMs, QObject *parent = nullptr);
    // Deleting a reader under way closes its connection: nothing more is emitted. From its own
    // signals' slots, delete it with deleteLater().
    ~StreamReader() override;

signals:
    // Once, when the station answered 2xx; `url` is where the redirects led.
    void started(const platform::http::ResponseHead &head, const QUrl &url);
    // The body, in the pieces it arrives in.
    void received(const QByteArray &bytes);
    // Once, as the last signal: why the stream ended, ready to show to the user. A stream that
    // ends without an error on the network ends with "the station closed the connection".
    void ended(const QString &reason);

private:
    void open(const QUrl &url);
    void readAvailable();
    void readHead();
    void end(const QString &reason);

    QUrl m_url;
    int m_redirects = 0;
    int m_silenceLimitMs;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_silence;
    QByteArray m_head;
    bool m_headDone = false;
    bool m_ended = false;
};

} // namespace platform::http
