#include "tests/support/test-certificate.h"

#include <QFile>
#include <QProcess>
#include <QSslKey>
#include <QTemporaryDir>

namespace {

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

} // namespace

QSslConfiguration MakeTestServerTls() {
    const QTemporaryDir folder;
    const QString key = folder.filePath(QStringLiteral("key.pem"));
    const QString certificate = folder.filePath(QStringLiteral("certificate.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                   "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                   "-keyout", key, "-out", certificate});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
        qFatal("openssl could not make a test certificate: %s", openssl.readAllStandardError().constData());
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate(ReadAll(certificate)));
    tls.setPrivateKey(QSslKey(ReadAll(key), QSsl::Ec));
    return tls;
}

void TrustInThisProcess(const QSslConfiguration &server) {
    QSslConfiguration client = QSslConfiguration::defaultConfiguration();
    client.addCaCertificate(server.localCertificate());
    QSslConfiguration::setDefaultConfiguration(client);
}
