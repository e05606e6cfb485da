#include "player/recording/mp3-check.h"

#include <QFile>
#include <QtEndian>
#include <cstdlib>
#include <optional>

namespace recording {

namespace {

struct FrameHeader {
    int length = 0; // bytes, header included
    int samples = 0;
    int sampleRate = 0;
    int sideInfoBytes = 0;
};

// The layer III frame header at `at`, when there is a whole, valid one.
std::optional<FrameHeader> ReadHeader(const uchar *at, qint64 left) {
    static const int kBitRates[2][15] = {{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
                                         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};
    static const int kRates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};
    if (left < 4 || at[0] != 0xFF || (at[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int version = (at[1] >> 3) & 3; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    const int layer = (at[1] >> 1) & 3;   // 1 layer III
    const int bitRateIndex = at[2] >> 4;
    const int rateIndex = (at[2] >> 2) & 3;
    if (version == 1 || layer != 1 || bitRateIndex == 0 || bitRateIndex == 15 || rateIndex == 3)
        return std::nullopt;
    const bool mpeg1 = version == 3;
    const bool mono = (at[3] >> 6) == 3;
    FrameHeader header;
    header.sampleRate = kRates[mpeg1 ? 0 : version == 2 ? 1 : 2][rateIndex];
    const int bitRate = kBitRates[mpeg1 ? 0 : 1][bitRateIndex] * 1000;
    header.length = (mpeg1 ? 144 : 72) * bitRate / header.sampleRate + ((at[2] >> 1) & 1);
    header.samples = mpeg1 ? 1152 : 576;
    header.sideInfoBytes = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    if (header.length > left)
        return std::nullopt;
    return header;
}

// The encoder delay and padding from the LAME tag in the first frame; nothing without one.
std::optional<int> DelayAndPadding(const uchar *frame, const FrameHeader &header) {
    const uchar *tag = frame + 4 + header.sideInfoBytes;
    const qint64 room = header.length - 4 - header.sideInfoBytes;
    if (room < 8 || (qstrncmp(reinterpret_cast<const char *>(tag), "Info", 4) != 0 &&
                     qstrncmp(reinterpret_cast<const char *>(tag), "Xing", 4) != 0))
        return std::nullopt;
    const quint32 flags = qFromBigEndian<quint32>(tag + 4);
    // The fields the flags announce: frames, bytes, table of contents, quality.
    const qint64 lame =
        8 + 4 * (flags & 1) + 4 * ((flags >> 1) & 1) + 100 * ((flags >> 2) & 1) + 4 * ((flags >> 3) & 1);
    if (room < lame + 24)
        return std::nullopt;
    const uchar *delay = tag + lame + 21;
    return ((delay[0] << 4) | (delay[1] >> 4)) + (((delay[1] & 0x0F) << 8) | delay[2]);
}

} // namespace

QString CheckMp3(const QString &path, qint64 frames, int sampleRate) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the MP3 file cannot be read");
    const qint64 size = file.size();
    const uchar *data = size > 0 ? file.map(0, size) : nullptr;
    if (data == nullptr)
        return QStringLiteral("the MP3 file is empty or cannot be read");
    const auto first = ReadHeader(data, size);
    const std::optional<int> trimmed = first ? DelayAndPadding(data, *first) : std::nullopt;
    if (!trimmed || first->sampleRate != sampleRate)
        return QStringLiteral("the MP3 file does not start with its Info tag");
    qint64 audioFrames = 0;
    for (qint64 at = first->length; at < size; ++audioFrames) {
        const auto header = ReadHeader(data + at, size - at);
        if (!header || header->sampleRate != sampleRate)
            return QStringLiteral("the MP3 file is damaged at byte %1").arg(at);
        at += header->length;
    }
    const qint64 decoded = audioFrames * first->samples - *trimmed;
    if (std::llabs(decoded - frames) > first->samples)
        return QStringLiteral("the MP3 file holds %1 samples of a recording of %2").arg(decoded).arg(frames);
    return QString();
}

} // namespace recording
