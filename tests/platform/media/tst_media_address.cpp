// Which addresses the media player control lets through to libVLC: network streams and regular
// local files, nothing that names a device, a pipe, a folder or libVLC's own control items.

#include "platform/media/media-address.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using platform::media::CheckAddress;
using Kind = platform::media::CheckedAddress::Kind;

class MediaAddressTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/media address XXXXXX")};

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QFile clip(path("clip.dll"));
        QVERIFY(clip.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(path("clip.dll"), path("link to clip")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("link to device")));
        QCOMPARE(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    }

    void classifies_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<Kind>("kind");
        for (const char *stream :
             {"http://127.0.0.1:8000/live", "HTTPS://radio.example/x.pls", "mms://media.example/stream",
              "mmsh://a/b", "rtsp://a/b", "rtmp://a/b", "udp://@239.0.0.1:1234", "icyx://a/b"})
            QTest::newRow(stream) << QString::fromLatin1(stream) << Kind::Network;
        for (const char *refused : {"v4l2:///dev/video0",
                                    "v4l2c:///dev/video0",
                                    "alsa://hw:0",
                                    "pulse://",
                                    "screen://",
                                    "dshow://",
                                    "vlc://quit",
                                    "fd://0",
                                    "imem://",
                                    "dvb://frequency=1",
                                    "cdda:///dev/sr0",
                                    "smb://host/share/a.mp3",
                                    "http/ts://127.0.0.1/x",
                                    "ht tp://a/b",
                                    "1http://a/b",
                                    "://a/b",
                                    "http:/a/b",
                                    "Process.dll",
                                    "C:\\Radio\\a.mp3",
                                    "",
                                    "file://host/tmp/a.mp3",
                                    "file:///dev/zero",
                                    "/dev/video0",
                                    "/tmp"})
            QTest::newRow(refused) << QString::fromLatin1(refused) << Kind::Refused;
        QTest::newRow("overlong") << QStringLiteral("http://a/") + QString(9000, QLatin1Char('x'))
                                  << Kind::Refused;
        QTest::newRow("local file") << path("clip.dll") << Kind::LocalFile;
        QTest::newRow("file URL with blank")
            << QUrl::fromLocalFile(path("clip.dll")).toString(QUrl::FullyEncoded) << Kind::LocalFile;
        QTest::newRow("link to a file") << path("link to clip") << Kind::LocalFile;
        QTest::newRow("link to a device") << path("link to device") << Kind::Refused;
        QTest::newRow("named pipe") << path("pipe") << Kind::Refused;
        QTest::newRow("folder") << m_dir.path() << Kind::Refused;
        QTest::newRow("missing file") << path("missing.mp3") << Kind::Refused;
    }

    void classifies() {
        QFETCH(QString, address);
        QFETCH(Kind, kind);
        QCOMPARE(CheckAddress(address).kind, kind);
    }

    void localFilesResolveLinks() {
        QCOMPARE(CheckAddress(path("link to clip")).localPath,
                 QFileInfo(path("clip.dll")).canonicalFilePath());
    }
};

QTEST_GUILESS_MAIN(MediaAddressTest)
#include "tst_media_address.moc"
