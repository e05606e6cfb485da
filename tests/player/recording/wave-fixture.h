#pragma once
// WAVE files built byte by byte for tests: well-formed sine recordings, and the pieces (chunks, RIFF
// wrapper, format record) to build malformed ones.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cmath>
#include <optional>

namespace wavefixture {

inline QByteArray Le16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray Le32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A chunk: four-character id, size (the payload's unless `declaredSize`), payload, and a pad byte when
// the payload's length is odd (unless `pad` is false).
inline QByteArray Chunk(const QByteArray &id, const QByteArray &payload,
                        std::optional<quint32> declaredSize = std::nullopt, bool pad = true) {
    QByteArray chunk = id.leftJustified(4, ' ', true) + Le32(declaredSize.value_or(payload.size())) + payload;
    if (pad && payload.size() % 2 != 0)
        chunk += '\0';
    return chunk;
}

// "RIFF", size, form type and the chunks.
inline QByteArray Riff(const QByteArray &chunks, std::optional<quint32> declaredSize = std::nullopt,
                       const QByteArray &form = "WAVE") {
    return "RIFF" + Le32(declaredSize.value_or(chunks.size() + 4)) + form + chunks;
}

// The 16-byte PCM format record.
inline QByteArray Format(quint16 channels, quint32 rate, quint16 bits, quint16 tag = 1) {
    const quint16 blockAlign = static_cast<quint16>(channels * bits / 8);
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * blockAlign) + Le16(blockAlign) + Le16(bits);
}

// Interleaved 16-bit samples: a sine of `hertz` at half scale on every channel.
inline QByteArray SineSamples(quint32 rate, qint64 frames, double hertz, int channels = 2) {
    QByteArray data;
    data.reserve(static_cast<qsizetype>(frames * channels * 2));
    for (qint64 i = 0; i < frames; ++i) {
        const auto value = static_cast<qint16>(std::lround(16000 * std::sin(2 * M_PI * hertz * i / rate)));
        for (int c = 0; c < channels; ++c)
            data += Le16(static_cast<quint16>(value));
    }
    return data;
}

// A canonical 44-byte-header PCM WAVE of a sine, as the recorder saves it.
inline QByteArray SineWave(quint32 rate, qint64 frames, double hertz = 1000, quint16 channels = 2) {
    return Riff(Chunk("fmt", Format(channels, rate, 16)) +
                Chunk("data", SineSamples(rate, frames, hertz, channels)));
}

inline bool WriteFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace wavefixture
