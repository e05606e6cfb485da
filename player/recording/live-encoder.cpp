#include "player/recording/live-encoder.h"

#include "common/runtime-error.h"
#include "player/recording/WAVToMP3.h"
#include "player/recording/mp3-check.h"

#include <QFile>
#include <QStringList>
#include <ctime>

namespace recording {

namespace {

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace

LiveEncoder::LiveEncoder(const QString &libraryPath, const QString &capturePath, qint64 dataStart,
                         int sampleRate, QString mp3Path)
    : m_mp3Path(std::move(mp3Path)), m_sampleRate(sampleRate), m_capture(capturePath, dataStart) {
    m_thread = std::thread([this, libraryPath] { Encode(libraryPath); });
}

LiveEncoder::~LiveEncoder() {
    if (!m_thread.joinable())
        return;
    m_capture.Cancel();
    m_thread.join();
    QFile::remove(m_mp3Path);
}

void LiveEncoder::Encode(const QString &libraryPath) {
    const double started = ThreadCpuSeconds();
    // Nothing may be shown from this thread: what the encoder would show becomes the reason it failed.
    QStringList shown;
    try {
        cLameEncoder encoder(libraryPath, {nullptr, [&shown](const QString &text) { shown << text; }});
        WAVToMP3::UseRecordingSettings(encoder);
        encoder.setSampleRate(m_sampleRate);
        encoder.setMP3File(m_mp3Path);
        m_failure = encoder.EncodeFrom(m_capture);
    } catch (const common::RuntimeError &error) {
        m_failure = error.description();
    }
    if (!shown.isEmpty())
        m_failure = shown.join(QStringLiteral("; "));
    m_cpuSeconds = ThreadCpuSeconds() - started;
}

QString LiveEncoder::Finish(qint64 frames) {
    m_capture.Finish(frames);
    m_thread.join();
    QString failure = m_failure.isEmpty() ? CheckMp3(m_mp3Path, frames, m_sampleRate) : m_failure;
    if (!failure.isEmpty())
        QFile::remove(m_mp3Path);
    return failure;
}

} // namespace recording
