#pragma once
// PCM formats of the "waveaudio" device and the canonical 44-byte RIFF WAVE header it saves them
// with. Pure functions, no I/O.

#include <QByteArray>
#include <cstdint>

namespace platform::mci {

struct WaveFormat {
    int channels = 1;
    int bitsPerSample = 8;
    int samplesPerSec = 11025;

    int blockAlign() const { return channels * bitsPerSample / 8; }
    std::int64_t bytesPerSec() const { return std::int64_t{blockAlign()} * samplesPerSec; }
};

inline constexpr int kWaveHeaderSize = 44;

// The header of a WAVE file holding `dataBytes` bytes of PCM in `format` (at most MaxWaveDataBytes).
QByteArray CanonicalWaveHeader(const WaveFormat &format, std::uint32_t dataBytes);

// The most PCM bytes one WAVE file can describe (its sizes are 32-bit), in whole frames of `format`.
// TUNELARK_WAVE_LIMIT_BYTES, when set to a smaller number, lowers it (tests).
std::int64_t MaxWaveDataBytes(const WaveFormat &format);

} // namespace platform::mci
