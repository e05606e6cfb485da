#include "tests/platform/tone-player.h"

#include "tests/platform/sink-recorder.h"
#include "tests/player/recording/wave-fixture.h"

TonePlayer::TonePlayer(double hertz) {
    const QString tone = m_folder.filePath(QStringLiteral("tone.wav"));
    if (!wavefixture::WriteFile(tone, wavefixture::SineWave(44100, 44100 * 30, hertz))) {
        m_error = QStringLiteral("cannot write the tone");
        return;
    }
    m_process.start(QStringLiteral("paplay"), {tone});
    if (!m_process.waitForStarted()) {
        m_error = QStringLiteral("paplay (pulseaudio-utils) cannot start");
        return;
    }
    SinkRecorder sink;
    if (!sink.waitForSound(5000))
        m_error = QStringLiteral("the tone does not reach the null sink");
}

TonePlayer::~TonePlayer() {
    m_process.kill();
    m_process.waitForFinished();
}
