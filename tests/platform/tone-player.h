#pragma once
// Plays a tone into the test PulseAudio daemon's null sink with paplay (pulseaudio-utils), so a
// recording of the sink's monitor has something to hear. Needs PULSE_SERVER.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class TonePlayer {
public:
    // Starts a 30-second stereo 44.1 kHz tone of `hertz`; returns once the sink hears it. error()
    // says why it could not.
    explicit TonePlayer(double hertz = 1000);
    ~TonePlayer();

    QString error() const { return m_error; }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_error;
};
