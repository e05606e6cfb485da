#include "platform/http/http-fetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace platform::http {

namespace {

constexpr int kMaxRedirects = 5;

QString SizeText(qint64 bytes) { return QStringLiteral("%1 KiB").arg(bytes / 1024); }

} // namespace

Fetch::Fetch(const QUrl &url, int timeLimitMs, qint64 maxBytes, QObject *parent)
    : QObject(parent), m_url(url), m_maxBytes(maxBytes), m_network(new QNetworkAccessManager(this)),
      m_deadline(new QTimer(this)) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Tunelark/%1").arg(QStringLiteral(TUNELARK_VERSION)));
    m_reply = m_network->get(request);
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this, url, timeLimitMs] {
        fail(QStringLiteral("The server at %1 did not answer within %2 seconds.")
                 .arg(url.host())
                 .arg(timeLimitMs / 1000.0));
    });
    // Refuse an oversized reply as soon as its size is announced or reached, before it is held.
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        if (m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > m_maxBytes &&
            !m_reply->hasRawHeader("Content-Encoding"))
            fail(QStringLiteral("The reply from %1 is larger than %2 and was refused.")
                     .arg(m_url.host(), SizeText(m_maxBytes)));
    });
    connect(m_reply, &QNetworkReply::readyRead, this, [this] { received(); });
    connect(m_reply, &QNetworkReply::finished, this, [this] { done(); });
    m_deadline->start(timeLimitMs);
}

Fetch::~Fetch() {
    m_reply->disconnect(this);
    m_reply->abort();
}

void Fetch::received() {
    // What is counted is what arrives unpacked, so a small compressed reply cannot fill memory.
    m_result.body += m_reply->read(m_maxBytes + 1 - m_result.body.size());
    if (m_result.body.size() > m_maxBytes)
        fail(QStringLiteral("The reply from %1 is larger than %2 and was refused.")
                 .arg(m_url.host(), SizeText(m_maxBytes)));
}

void Fetch::fail(const QString &error) {
    if (!m_result.error.isEmpty())
        return;
    m_result.error = error;
    m_reply->abort(); // finishes the reply, which reports this error
}

void Fetch::done() {
    m_deadline->stop();
    if (m_result.error.isEmpty())
        received();
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A refusing status says more than the network error Qt makes of it (which repeats the address);
    // a broken connection, TLS or a redirect gone wrong are said by Qt's error.
    const QNetworkReply::NetworkError network = m_reply->error();
    const bool statusSaysWhy =
        status >= 400 || (network == QNetworkReply::NoError && status != 0 && (status < 200 || status > 299));
    if (m_result.error.isEmpty() && !statusSaysWhy && network != QNetworkReply::NoError)
        m_result.error =
            QStringLiteral("The download from %1 failed: %2").arg(m_url.toString(), m_reply->errorString());
    else if (m_result.error.isEmpty() && statusSaysWhy)
        m_result.error = QStringLiteral("The download from %1 failed: the server answered %2 %3.")
                             .arg(m_url.toString())
                             .arg(status)
                             .arg(m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    if (!m_result.ok())
        m_result.body.clear();
    // Emitted from the event loop, so a reply that finishes at once still reaches a caller that
    // connects after making the fetch.
    QMetaObject::invokeMethod(
        this, [this] { emit finished(m_result); }, Qt::QueuedConnection);
}

} // namespace platform::http
