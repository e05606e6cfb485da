#pragma once
// PCM formats of the "waveaudio" device and the canonical 44-byte RIFF WAVE header it saves them
// with. Pure functions, no I/O.

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace platform::mci {

struct WaveFormat {
    int channels = 1;
    int bitsPerSample = 8;
    int samplesPerSec = 11025;

    int blockAlign() const { return channels * bitsPerSample / 8; }
    std::int64_t bytesPerSec() const { return std::int64_t{blockAlign()} * samplesPerSec; }
};

inline constexpr int kWaveHeaderSize = 44;

// The formats the device records.
inline bool IsRecordableChannelCount(int channels) { return channels >= 1 && channels <= 2; }
inline bool IsRecordableSampleRate(int samplesPerSec) {
    return samplesPerSec >= 1000 && samplesPerSec <= 192000;
}
inline bool IsRecordableSampleSize(int bits) { return bits == 8 || bits == 16 || bits == 24 || bits == 32; }

// The header of a WAVE file holding `dataBytes` bytes of PCM in `format` (at most MaxWaveDataBytes).
QByteArray CanonicalWaveHeader(const WaveFormat &format, std::uint32_t dataBytes);

// The format a header made by CanonicalWaveHeader describes; nothing for any other header or a
// format the device does not record.
std::optional<WaveFormat> CanonicalWaveFormat(const QByteArray &header);

// The most PCM bytes one WAVE file can describe (its sizes are 32-bit), in whole frames of `format`.
// TUNELARK_WAVE_LIMIT_BYTES, when set to a smaller number, lowers it (tests).
std::int64_t MaxWaveDataBytes(const WaveFormat &format);

} // namespace platform::mci
