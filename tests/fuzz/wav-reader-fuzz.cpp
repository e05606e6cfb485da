// RIFF/WAVE files through cWavReader, read to the end with a buffer of a few frames: a bad file
// raises the reader's error, a good one hands out exactly its data chunk's frames.

#include "common/runtime-error.h"
#include "player/recording/cWavReader.h"
#include "tests/fuzz/fuzz-input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    constexpr std::int32_t kBufferFrames = 5;
    const QString path = fuzz::WriteInputFile(QStringLiteral("input.wav"), fuzz::InputBytes(data, size));
    cWavReader reader;
    reader.setReadBufferSize(kBufferFrames);
    try {
        reader.OpenFile(path);
        fuzz::Require(qint64(reader.AudioLength()) * 4 <= qint64(size),
                      "the data chunk lies within the file");
        qint64 frames = 0;
        bool more = true;
        while (more) {
            more = reader.Read();
            fuzz::Require(reader.ReadSize() >= 0 && reader.ReadSize() <= kBufferFrames,
                          "a read fills at most the buffer");
            frames += reader.ReadSize();
            fuzz::Require(frames <= reader.AudioLength(), "the reads stay within the data chunk");
        }
        fuzz::Require(frames == reader.AudioLength(), "reading to the end hands out every frame");
    } catch (const common::RuntimeError &) {
    }
    return 0;
}
