#include "tests/support/icecast-admin.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

namespace {

struct AdminReply {
    QString error;
    QByteArray body;
};

QUrl AdminUrl() { return QUrl(qEnvironmentVariable("TUNELARK_TEST_ICECAST_ADMIN_URL")); }

QString SharedMount() { return QUrl(qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL")).path(); }

// GET admin/`command`?mount=`mount`&`arguments` with the admin's credentials.
AdminReply Admin(const QString &command, const QString &arguments, const QString &mount = SharedMount()) {
    const QString admin = AdminUrl().toString();
    if (admin.isEmpty() || mount.isEmpty())
        return {QStringLiteral("the Icecast server of scripts/services/icecast.sh is not running"), {}};
    const QUrl url(admin + u'/' + command + QStringLiteral("?mount=") + mount + u'&' + arguments);
    QNetworkRequest request(url.adjusted(QUrl::RemoveUserInfo));
    request.setRawHeader("Authorization",
                         "Basic " + (url.userName() + u':' + url.password()).toUtf8().toBase64());
    QNetworkAccessManager network;
    QNetworkReply *reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    AdminReply answer{reply->isFinished() ? QString() : QStringLiteral("no answer within 5 s"), reply->readAll()};
    if (answer.error.isEmpty() && reply->error() != QNetworkReply::NoError)
        answer.error = reply->errorString();
    delete reply;
    return answer;
}

QString Succeeded(const AdminReply &reply) {
    if (!reply.error.isEmpty())
        return reply.error;
    return reply.body.contains("<return>1</return>") ? QString() : QString::fromUtf8(reply.body.left(300));
}

} // namespace

QString SetIcecastTitle(const QString &song) {
    return Succeeded(
        Admin(QStringLiteral("metadata"),
              QStringLiteral("mode=updinfo&song=") + QString::fromLatin1(QUrl::toPercentEncoding(song))));
}

QString DropIcecastListeners() {
    const AdminReply list = Admin(QStringLiteral("listclients"), QString());
    if (!list.error.isEmpty())
        return list.error;
    static const QRegularExpression id(QStringLiteral("<ID>(\\d+)</ID>"));
    for (auto match = id.globalMatch(QString::fromUtf8(list.body)); match.hasNext();) {
        const QString error =
            Succeeded(Admin(QStringLiteral("killclient"), QStringLiteral("id=") + match.next().captured(1)));
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

IcecastSource::IcecastSource(QString mount) : m_mount(std::move(mount)) {}

IcecastSource::~IcecastSource() { stop(); }

QString IcecastSource::url() const {
    QUrl stream = AdminUrl().adjusted(QUrl::RemoveUserInfo);
    stream.setPath(m_mount);
    return stream.toString();
}

QString IcecastSource::start() {
    const QUrl admin = AdminUrl();
    if (admin.isEmpty())
        return QStringLiteral("the Icecast server of scripts/services/icecast.sh is not running");
    // The server takes the admin's password from sources too (scripts/services/icecast.sh).
    const QString target = QStringLiteral("icecast://source:%1@%2:%3%4")
                               .arg(admin.password(), admin.host())
                               .arg(admin.port())
                               .arg(m_mount);
    m_ffmpeg.start(QStringLiteral("ffmpeg"),
                   {"-nostdin", "-hide_banner", "-loglevel", "error", "-re", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=44100", "-c:a", "libmp3lame", "-b:a", "128k", "-content_type",
                    "audio/mpeg", "-ice_name", "Tunelark Test Radio", "-f", "mp3", target});
    if (!m_ffmpeg.waitForStarted(5000))
        return QStringLiteral("ffmpeg did not start: ") + m_ffmpeg.errorString();
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (Admin(QStringLiteral("listclients"), QString(), m_mount).error.isEmpty())
            return QString();
        QEventLoop wait;
        QTimer::singleShot(100, &wait, &QEventLoop::quit);
        wait.exec();
    }
    return QStringLiteral("the mount %1 did not come up: %2").arg(m_mount, m_ffmpeg.readAllStandardError());
}

void IcecastSource::stop() {
    if (m_ffmpeg.state() == QProcess::NotRunning)
        return;
    m_ffmpeg.kill();
    m_ffmpeg.waitForFinished(5000);
}
