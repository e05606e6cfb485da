#include "tests/support/icecast-title.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

QString SetIcecastTitle(const QString &song) {
    const QString admin = qEnvironmentVariable("TUNELARK_TEST_ICECAST_ADMIN_URL");
    if (admin.isEmpty())
        return QStringLiteral("TUNELARK_TEST_ICECAST_ADMIN_URL is not set (scripts/services/icecast.sh)");
    const QUrl url(admin + QStringLiteral("&song=") + QString::fromLatin1(QUrl::toPercentEncoding(song)));
    QNetworkRequest request(url.adjusted(QUrl::RemoveUserInfo));
    const QByteArray credentials = (url.userName() + u':' + url.password()).toUtf8().toBase64();
    request.setRawHeader("Authorization", "Basic " + credentials);
    QNetworkAccessManager network;
    QNetworkReply *reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray answer = reply->isFinished() ? reply->readAll() : QByteArray();
    const QString error = reply->error() == QNetworkReply::NoError ? QString() : reply->errorString();
    delete reply;
    if (!error.isEmpty())
        return error;
    return answer.contains("<return>1</return>") ? QString() : QString::fromUtf8(answer.left(300));
}
