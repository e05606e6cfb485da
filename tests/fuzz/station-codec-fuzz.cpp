// The station line codec: any line decodes without harm, the bytes of a line that decodes encode and
// decode back to themselves, and any text encodes and decodes back to itself.

#include "common/station-codec.h"
#include "tests/fuzz/fuzz-input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input = fuzz::InputBytes(data, size);

    // As a line of a station file.
    const QString line = QString::fromLatin1(input);
    common::DecodeLine(line);
    QByteArray decoded;
    if (common::DecodeBytes(line, &decoded)) {
        // The scrambling numbers come from the input, so every R from 10 to 99 is tried.
        qsizetype next = 0;
        const common::RandomDigits fromInput = [&] { return size == 0 ? 10 : 10 + data[next++ % size] % 90; };
        QByteArray again;
        fuzz::Require(common::DecodeBytes(common::EncodeBytes(decoded, fromInput), &again) &&
                          again == decoded,
                      "decoded bytes encode and decode back to themselves");
    }

    // As the text of a record.
    const QString text = QString::fromUtf8(input);
    fuzz::Require(common::DecodeLine(common::EncodeLine(text)) == text,
                  "text encodes and decodes back to itself");
    return 0;
}
