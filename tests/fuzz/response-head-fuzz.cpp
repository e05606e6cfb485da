// The head of a radio server's reply, as it arrives from the network in pieces: the end of the head is
// found the same whether it comes at once or byte by byte, and a parsed head holds only what was sent.

#include "platform/http/response-head.h"
#include "tests/fuzz/fuzz-input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace platform::http;
    const QByteArray input = fuzz::InputBytes(data, size).left(kMaxResponseHeadBytes + 1);
    const std::optional<qsizetype> end = ResponseHeadEnd(input);
    // Looked at again after each byte, as the reader does when the head trickles in.
    std::optional<qsizetype> pieceByPiece;
    for (qsizetype length = 1; length <= input.size() && !pieceByPiece; ++length)
        pieceByPiece = ResponseHeadEnd(QByteArray::fromRawData(input.constData(), length), length - 1);
    fuzz::Require(end == pieceByPiece, "the head ends at the same place however it arrives");
    if (!end)
        return 0;
    fuzz::Require(*end <= input.size(), "the head ends inside what arrived");
    QString error;
    const ResponseHead head = ParseResponseHead(input.left(*end), &error);
    if (!error.isEmpty())
        return 0;
    fuzz::Require(head.status >= 100 && head.status <= 999, "a status has three digits");
    qsizetype held = head.reason.size();
    for (const auto &[name, value] : head.headers) {
        fuzz::Require(!name.isEmpty() && !name.contains(':'), "a header has a name without a colon");
        held += name.size() + value.size();
    }
    fuzz::Require(held <= *end, "a head holds no more than was sent");
    return 0;
}
