// The values GetData and PeekData make of received bytes, for every value type: a number's bytes are
// its image, and a value made from bytes, sent and received again, is the same value.

#include "player/net/socket-value.h"
#include "tests/fuzz/fuzz-input.h"

namespace {

struct TypeImage {
    VarType type;
    int bytes; // the size of its image on the wire; 0 when the value takes all the bytes or is not a number
};

const TypeImage kTypes[] = {{VarType::Integer, 2},  {VarType::Long, 4},     {VarType::Single, 4},
                            {VarType::Double, 8},   {VarType::Currency, 8}, {VarType::Date, 0},
                            {VarType::String, 0},   {VarType::Boolean, 0},  {VarType::Byte, 1},
                            {VarType::ByteArray, 0}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray received = fuzz::InputBytes(data, size);
    for (const TypeImage &type : kTypes) {
        const std::optional<QVariant> value = net::BytesValue(received, type.type);
        fuzz::Require(value.has_value(), "every listed type reads");
        const std::optional<QByteArray> sent = net::ValueBytes(*value);
        fuzz::Require(sent.has_value(), "every value read can be sent");
        if (type.bytes > 0)
            fuzz::Require(*sent == received.left(type.bytes).leftJustified(type.bytes, '\0'),
                          "a number's bytes are its image");
        if (type.type == VarType::ByteArray)
            fuzz::Require(*sent == received, "a byte array is the bytes");
        const std::optional<QVariant> again = net::BytesValue(*sent, type.type);
        fuzz::Require(again.has_value() && net::ValueBytes(*again) == sent,
                      "a value sent and received again is the same value");
    }
    return 0;
}
