#pragma once
// Encodes a recording into its MP3 file while the recording runs, following the capture file as the
// sound server fills it, so that Stop Recording leaves only the last moments to encode. It uses the
// encoder library and settings of the conversion after Stop, chunk for chunk, so the file is the one
// that conversion would write of the same sound, byte for byte.
//
// Threads: made, finished and deleted on one thread (the GUI thread in the player); the encoding runs
// on a thread of its own, never on the caller's or the sound server's.

#include "player/recording/running-capture.h"

#include <QString>
#include <atomic>
#include <thread>

namespace recording {

// Ends the name of an MP3 file that is still being made ("Recorded_….mp3.part").
inline const QString kLiveMp3Suffix = QStringLiteral(".part");

class LiveEncoder {
public:
    // Starts encoding the PCM of the capture file at `capturePath` (16-bit stereo after a header of
    // `dataStart` bytes, at `sampleRate`) into `mp3Path` with the encoder library at `libraryPath`.
    // A capture that cannot be opened, a library that cannot be loaded, a full disk: the encoding ends
    // and Finish says why.
    LiveEncoder(const QString &libraryPath, const QString &capturePath, qint64 dataStart, int sampleRate,
                QString mp3Path);
    LiveEncoder(const LiveEncoder &) = delete;
    LiveEncoder &operator=(const LiveEncoder &) = delete;
    // Without Finish: stops the encoding and removes the unfinished MP3 file.
    ~LiveEncoder();

    QString Mp3Path() const { return m_mp3Path; }
    // The recording holds `frames` frames in all: encodes what remains, writes the Info tag, waits for
    // the file and checks it (CheckMp3). Empty text when the MP3 file is complete and sound; otherwise
    // why not, and the file is removed. Call once.
    QString Finish(qint64 frames);
    // Processor time the encoding has taken, in seconds; exact once Finish has returned.
    double CpuSeconds() const { return m_cpuSeconds; }

private:
    void Encode(const QString &libraryPath);

    QString m_mp3Path;
    int m_sampleRate;
    RunningCapture m_capture;
    QString m_failure; // written by the encoding thread, read after it ended
    std::atomic<double> m_cpuSeconds{0};
    std::thread m_thread;
};

} // namespace recording
