#include "platform/http/http-get.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace platform::http {

namespace {

QString SizeText(qint64 bytes) { return QStringLiteral("%1 KiB").arg(bytes / 1024); }

} // namespace

Reply Get(const QUrl &url, int timeLimitMs, qint64 maxBytes) {
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    QNetworkReply *reply = network.get(request);

    Reply result;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        result.error = QStringLiteral("The server at %1 did not answer within %2 seconds.")
                           .arg(url.host())
                           .arg(timeLimitMs / 1000.0);
        reply->abort();
    });
    // Refuse an oversized reply as soon as its size is known or reached, before it is held in memory.
    auto checkSize = [&](qint64 size) {
        if (size > maxBytes && result.error.isEmpty()) {
            result.error = QStringLiteral("The reply from %1 is larger than %2 and was refused.")
                               .arg(url.host(), SizeText(maxBytes));
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop,
                     [&] { checkSize(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()); });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64) { checkSize(received); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeLimitMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (result.error.isEmpty() && reply->error() != QNetworkReply::NoError)
        result.error =
            QStringLiteral("The download from %1 failed: %2").arg(url.toString(), reply->errorString());
    else if (result.error.isEmpty() && (status < 200 || status > 299))
        result.error = QStringLiteral("The download from %1 failed: the server answered %2 %3.")
                           .arg(url.toString())
                           .arg(status)
                           .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    if (result.error.isEmpty())
        result.body = reply->readAll();
    delete reply;
    return result;
}

} // namespace platform::http
