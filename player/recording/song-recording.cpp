#include "player/recording/song-recording.h"

#include "common/station-codec.h"
#include "platform/http/stream-reader.h"
#include "player/recording/song-file-name.h"

#include <QDir>
#include <QTimer>

namespace recording {

namespace {

// A station that sends nothing for this long has gone away, though the connection may not say so.
constexpr int kSilenceLimitMs = 20000;

} // namespace

SongRecording::SongRecording(const QUrl &address, const QString &recordingFolder, const QString &station,
                             QObject *parent)
    : QObject(parent), m_address(address), m_recordingFolder(recordingFolder), m_station(station),
      m_date(QDate::currentDate()) {
    connectToStation();
}

SongRecording::~SongRecording() = default;

void SongRecording::stop() { end(QString()); }

QString SongRecording::currentFile() const { return m_recorder ? m_recorder->currentFile() : QString(); }

qint64 SongRecording::currentSize() const { return m_recorder ? m_recorder->currentSize() : 0; }

void SongRecording::connectToStation() {
    m_reader = new platform::http::StreamReader(m_address, kSilenceLimitMs, this);
    connect(m_reader, &platform::http::StreamReader::started, this,
            [this](const platform::http::ResponseHead &head) { started(head); });
    connect(m_reader, &platform::http::StreamReader::received, this, &SongRecording::received);
    connect(m_reader, &platform::http::StreamReader::ended, this, &SongRecording::dropped);
}

void SongRecording::started(const platform::http::ResponseHead &head) {
    const std::optional<qint64> interval = MetaIntervalFromHeader(head.header("icy-metaint"));
    if (!interval)
        return end(QStringLiteral("%1 sent a malformed icy-metaint header (\"%2\").")
                       .arg(m_address.host(), QString::fromLatin1(head.header("icy-metaint").left(40))));
    m_icy = std::make_unique<IcyReader>(*interval);
    m_reconnect.stop();
    if (m_recorder)
        return; // back after a drop: the current file goes on
    const QByteArray contentType = head.header("Content-Type");
    const QString extension = ExtensionForContentType(contentType);
    if (extension.isEmpty())
        return end(QStringLiteral("%1 sent %2, not a sound stream.")
                       .arg(m_address.toString(), QString::fromLatin1(contentType.left(80))));
    if (m_station.isEmpty())
        m_station = common::TextFromRecordBytes(head.header("icy-name").left(200)).simplified();
    if (m_station.isEmpty())
        m_station = m_address.host();
    m_folder = QDir(m_recordingFolder).filePath(SongFolderName(m_station, m_date));
    if (!QDir().mkpath(m_folder))
        return end(QStringLiteral("The folder %1 cannot be created.").arg(m_folder));
    m_recorder = std::make_unique<SongRecorder>(m_folder, m_station, extension, *interval > 0);
}

void SongRecording::received(const QByteArray &bytes) {
    if (!m_icy || !m_recorder)
        return;
    QString error;
    m_icy->feed(
        bytes,
        [this, &error](QByteArrayView audio) {
            if (error.isEmpty())
                error = m_recorder->write(audio);
        },
        [this, &error](const QByteArray &block) {
            if (error.isEmpty())
                error = m_recorder->songNamed(StreamTitleFromMetadata(block));
            announceFinishedFiles();
        });
    if (!error.isEmpty())
        end(error);
}

void SongRecording::dropped(const QString &reason) {
    const bool cutInsideBlock = m_icy && m_icy->insideMetadata();
    m_reader->deleteLater();
    m_reader = nullptr;
    m_icy.reset();
    const QString why =
        cutInsideBlock ? QStringLiteral("%1 in the middle of a metadata block, a protocol error").arg(reason)
                       : reason;
    // Nothing was recorded yet: the address itself does not work.
    if (!m_recorder)
        return end(QStringLiteral("Recording %1 failed: %2.").arg(m_address.toString(), why));
    if (!m_reconnect.active())
        m_reconnect.start();
    const std::optional<int> delay = m_reconnect.nextDelayMs();
    if (!delay)
        return end(QStringLiteral("The station went away: %1. The recording has ended.").arg(why));
    QTimer::singleShot(*delay, this, [this] {
        if (!m_ended)
            connectToStation();
    });
}

void SongRecording::end(const QString &error) {
    if (m_ended)
        return;
    m_ended = true;
    if (m_reader) {
        m_reader->disconnect(this);
        m_reader->deleteLater();
        m_reader = nullptr;
    }
    QString result = error;
    if (m_recorder) {
        const QString closing = m_recorder->finish();
        if (result.isEmpty())
            result = closing;
        announceFinishedFiles();
    }
    emit finished(result);
}

void SongRecording::announceFinishedFiles() {
    const QStringList &files = m_recorder->finishedFiles();
    for (; m_announced < files.size(); ++m_announced)
        emit fileFinished(files.at(m_announced));
}

} // namespace recording
