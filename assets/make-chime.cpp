// Synthesises the player's short chime, a struck bell, and writes it as an MP3 file to the path given on
// the command line.

#include <lame.h>

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;
constexpr double kSeconds = 1.3;
constexpr double kAttackSeconds = 0.006; // a soft strike rather than a click
constexpr double kReleaseSeconds = 0.15; // fades the tail to true silence
constexpr double kPeak = 0.7 * 32767;    // headroom keeps the encoded peaks from clipping

std::vector<short> SynthesiseChime() {
    struct Partial {
        double frequency, amplitude, decaySeconds;
    };
    // A fundamental with its octave and twelfth, each slightly stretched as on a real bell; higher
    // partials die away sooner.
    constexpr Partial kPartials[] = {{880.0, 1.0, 0.45}, {1763.5, 0.45, 0.26}, {2652.0, 0.2, 0.15}};
    const int count = static_cast<int>(std::lround(kSeconds * kSampleRate));
    std::vector<double> wave(count);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double sample = 0;
        for (const Partial &partial : kPartials)
            sample += partial.amplitude * std::exp(-t / partial.decaySeconds) *
                      std::sin(2 * M_PI * partial.frequency * t);
        const double attack = std::min(1.0, t / kAttackSeconds);
        const double release = std::min(1.0, (kSeconds - t) / kReleaseSeconds);
        wave[i] = sample * std::sin(M_PI / 2 * attack) * std::sin(M_PI / 2 * std::max(0.0, release));
    }
    const double loudest = std::abs(*std::max_element(
        wave.begin(), wave.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
    std::vector<short> pcm(count);
    std::transform(wave.begin(), wave.end(), pcm.begin(), [loudest](double sample) {
        return static_cast<short>(std::lround(sample / loudest * kPeak));
    });
    return pcm;
}

using Encoder = std::unique_ptr<lame_global_flags, decltype(&lame_close)>;

Encoder OpenEncoder() {
    Encoder lame(lame_init(), &lame_close);
    if (!lame)
        return lame;
    lame_set_in_samplerate(lame.get(), kSampleRate);
    lame_set_out_samplerate(lame.get(), kSampleRate);
    lame_set_num_channels(lame.get(), 1);
    lame_set_mode(lame.get(), MONO);
    lame_set_VBR(lame.get(), vbr_off);
    lame_set_brate(lame.get(), 128);
    lame_set_quality(lame.get(), 2);
    lame_set_bWriteVbrTag(lame.get(), 1);           // the Info frame gives players the exact duration
    lame_set_write_id3tag_automatic(lame.get(), 0); // so the Info frame is the file's first frame
    if (lame_init_params(lame.get()) < 0)
        lame.reset();
    return lame;
}

// The whole MP3 stream, or an empty array when the encoder fails.
QByteArray Encode(const std::vector<short> &pcm) {
    const Encoder lame = OpenEncoder();
    if (!lame)
        return {};
    // lame's documented worst case for one call: 1.25 × samples + 7200 bytes.
    std::vector<unsigned char> buffer(pcm.size() * 5 / 4 + 7200);
    const int size = static_cast<int>(buffer.size());
    const auto pcmCount = static_cast<int>(pcm.size());
    const int encoded = lame_encode_buffer(lame.get(), pcm.data(), pcm.data(), pcmCount, buffer.data(), size);
    if (encoded < 0)
        return {};
    QByteArray mp3(reinterpret_cast<const char *>(buffer.data()), encoded);
    const int flushed = lame_encode_flush(lame.get(), buffer.data(), size);
    if (flushed < 0)
        return {};
    mp3.append(reinterpret_cast<const char *>(buffer.data()), flushed);

    // The Info frame is only complete once everything is encoded; it replaces the placeholder lame wrote
    // at the start.
    const size_t tagSize = lame_get_lametag_frame(lame.get(), buffer.data(), buffer.size());
    if (tagSize == 0 || tagSize > static_cast<size_t>(mp3.size()))
        return {};
    mp3.replace(qsizetype{0}, static_cast<qsizetype>(tagSize), reinterpret_cast<const char *>(buffer.data()),
                static_cast<qsizetype>(tagSize));
    return mp3;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    const QByteArray mp3 = Encode(SynthesiseChime());
    if (mp3.isEmpty()) {
        std::fprintf(stderr, "MP3 encoding failed\n");
        return 1;
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(mp3) != mp3.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
