#include "platform/mci/wave-format.h"

#include <QtEndian>
#include <algorithm>
#include <array>

namespace platform::mci {

namespace {

void Put32(QByteArray &header, int offset, std::uint32_t value) {
    qToLittleEndian(value, header.data() + offset);
}

void Put16(QByteArray &header, int offset, int value) {
    qToLittleEndian(static_cast<std::uint16_t>(value), header.data() + offset);
}

// The little-endian number at `offset` of a header's bytes.
template <typename T> T Get(const std::array<char, kWaveHeaderSize> &header, int offset) {
    return qFromLittleEndian<T>(header.data() + offset);
}

} // namespace

QByteArray CanonicalWaveHeader(const WaveFormat &format, std::uint32_t dataBytes) {
    QByteArray header(kWaveHeaderSize, '\0');
    header.replace(0, 4, "RIFF");
    Put32(header, 4, dataBytes + (kWaveHeaderSize - 8));
    header.replace(8, 8, "WAVEfmt ");
    Put32(header, 16, 16);
    Put16(header, 20, 1); // PCM
    Put16(header, 22, format.channels);
    Put32(header, 24, static_cast<std::uint32_t>(format.samplesPerSec));
    Put32(header, 28, static_cast<std::uint32_t>(format.bytesPerSec()));
    Put16(header, 32, format.blockAlign());
    Put16(header, 34, format.bitsPerSample);
    header.replace(36, 4, "data");
    Put32(header, 40, dataBytes);
    return header;
}

std::optional<WaveFormat> CanonicalWaveFormat(const QByteArray &header) {
    if (header.size() < kWaveHeaderSize)
        return std::nullopt;
    std::array<char, kWaveHeaderSize> bytes;
    std::copy_n(header.cbegin(), kWaveHeaderSize, bytes.begin());
    const QByteArrayView view(bytes.data(), kWaveHeaderSize);
    if (!view.startsWith("RIFF") || view.sliced(8, 8) != "WAVEfmt " || view.sliced(36, 4) != "data" ||
        Get<std::uint32_t>(bytes, 16) != 16 || Get<std::uint16_t>(bytes, 20) != 1)
        return std::nullopt;
    WaveFormat format;
    format.channels = Get<std::uint16_t>(bytes, 22);
    format.samplesPerSec = static_cast<int>(Get<std::uint32_t>(bytes, 24));
    format.bitsPerSample = Get<std::uint16_t>(bytes, 34);
    if (!IsRecordableChannelCount(format.channels) || !IsRecordableSampleRate(format.samplesPerSec) ||
        !IsRecordableSampleSize(format.bitsPerSample) ||
        Get<std::uint16_t>(bytes, 32) != format.blockAlign() ||
        Get<std::uint32_t>(bytes, 28) != format.bytesPerSec())
        return std::nullopt;
    return format;
}

std::int64_t MaxWaveDataBytes(const WaveFormat &format) {
    // The RIFF size field counts the 36 header bytes after it as well.
    std::int64_t limit = std::int64_t{0xFFFFFFFF} - (kWaveHeaderSize - 8);
    bool isNumber = false;
    const qint64 configured = qEnvironmentVariableIntValue("TUNELARK_WAVE_LIMIT_BYTES", &isNumber);
    if (isNumber && configured > 0)
        limit = std::min<std::int64_t>(limit, configured);
    const int align = std::max(1, format.blockAlign());
    return limit / align * align;
}

} // namespace platform::mci
