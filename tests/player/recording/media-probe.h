#pragma once
// ffprobe and ffmpeg as independent judges of an MP3 file: what a player reports and what it decodes.

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <optional>

namespace mediaprobe {

struct Mp3Facts {
    int sampleRate = 0;
    int bitRate = 0;      // of the audio stream, bit/s
    double duration = 0;  // as ffprobe reports it: whole frames
    double startTime = 0; // the encoder delay ffprobe took from the Info/LAME tag
};

// Runs a program and returns its stdout; nothing when it cannot be started, fails or takes over a minute.
inline std::optional<QByteArray> Run(const QString &program, const QStringList &arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

inline std::optional<Mp3Facts> Probe(const QString &mp3) {
    const auto output = Run(QStringLiteral("ffprobe"),
                            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                             QStringLiteral("stream=sample_rate,bit_rate:format=duration,start_time"),
                             QStringLiteral("-of"), QStringLiteral("default=noprint_wrappers=1"), mp3});
    if (!output)
        return std::nullopt;
    Mp3Facts facts;
    for (const QByteArray &line : output->split('\n')) {
        const QByteArray value = line.mid(line.indexOf('=') + 1);
        if (line.startsWith("sample_rate="))
            facts.sampleRate = value.toInt();
        else if (line.startsWith("bit_rate="))
            facts.bitRate = value.toInt();
        else if (line.startsWith("duration="))
            facts.duration = value.toDouble();
        else if (line.startsWith("start_time="))
            facts.startTime = value.toDouble();
    }
    return facts;
}

// The left channel of 16-bit stereo sound.
inline QList<qint16> LeftChannel(const QByteArray &stereo) {
    QList<qint16> left;
    left.reserve(stereo.size() / 4);
    for (qsizetype i = 0; i + 4 <= stereo.size(); i += 4)
        left << qFromLittleEndian<qint16>(stereo.constData() + i);
    return left;
}

// The decoded left channel, 16-bit samples.
inline std::optional<QList<qint16>> DecodeLeft(const QString &mp3) {
    const auto output =
        Run(QStringLiteral("ffmpeg"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), mp3, QStringLiteral("-f"),
             QStringLiteral("s16le"), QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-")});
    if (!output)
        return std::nullopt;
    return LeftChannel(*output);
}

// The frequency of a tone from the spacing of its falling crossings. A crossing counts only once
// the signal has swung past an eighth of its peak on both sides, so the coder's faint noise in a
// silent stretch (the sink's silence before the sound arrives, a moment the sound server fell
// behind) makes no crossings of its own; spans far from the usual period are such gaps and are
// left out, so they neither lower nor raise the figure.
inline double ToneFrequency(const QList<qint16> &samples, int sampleRate) {
    int peak = 0;
    for (const qint16 sample : samples)
        peak = qMax(peak, qAbs(int(sample)));
    const int threshold = qMax(peak / 8, 64);
    QList<qsizetype> periods;
    qsizetype last = -1;
    bool high = false;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        if (samples[i] > threshold) {
            high = true;
        } else if (high && samples[i] < -threshold) {
            high = false;
            if (last >= 0)
                periods << i - last;
            last = i;
        }
    }
    if (periods.isEmpty())
        return 0;
    QList<qsizetype> sorted = periods;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const qsizetype usual = sorted[sorted.size() / 2];
    qsizetype sum = 0, count = 0;
    for (const qsizetype period : periods)
        if (period * 3 >= usual * 2 && period * 2 <= usual * 3) {
            sum += period;
            ++count;
        }
    return count * double(sampleRate) / double(sum);
}

} // namespace mediaprobe
