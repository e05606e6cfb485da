#pragma once
// A radio server for tests on 127.0.0.1 that answers every request with exactly the bytes it is given
// (status line, headers and body, as a station sends them), in pieces at a pace when asked, so a test
// knows byte for byte what a listener was sent. It runs on the test's own thread.

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QUrl>

class RadioTestServer : public QObject {
    Q_OBJECT
public:
    explicit RadioTestServer(QByteArray reply = {});

    void setReply(const QByteArray &reply) { m_reply = reply; }
    // Writes the reply `pieceBytes` at a time, one piece every `intervalMs`.
    void setPace(qsizetype pieceBytes, int intervalMs);
    // Leaves the connection open once the reply is written (a station that goes quiet).
    void setKeepOpen(bool keepOpen) { m_keepOpen = keepOpen; }

    QUrl url(const QString &path = QStringLiteral("/stream")) const;
    // The request heads received so far.
    QList<QByteArray> requests;

private:
    void serve(QTcpSocket *connection);

    QTcpServer m_server;
    QByteArray m_reply;
    qsizetype m_pieceBytes = 0; // 0: all at once
    int m_intervalMs = 0;
    bool m_keepOpen = false;
};
