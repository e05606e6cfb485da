#include "common/station-codec.h"

#include "common/rounding.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>

namespace common {

namespace {

constexpr int kMinR = 10;
constexpr int kMaxR = 99;
constexpr qsizetype kGroupLength = 5;
constexpr qsizetype kRLength = 2;
constexpr qsizetype kWLength = 3;

// The value of the decimal digits line[from, to), or -1 when one of them is not a digit.
int NumberAt(const QString &line, qsizetype from, qsizetype to) {
    int value = 0;
    for (qsizetype i = from; i < to; ++i) {
        const char16_t unit = line.at(i).unicode();
        if (unit < u'0' || unit > u'9')
            return -1;
        value = value * 10 + (unit - u'0');
    }
    return value;
}

void AppendDigit(QString *text, int digit) { text->append(QLatin1Char(static_cast<char>('0' + digit))); }

// Windows-1252 differs from Latin-1 only in 0x80–0x9F. The five codes it leaves undefined keep their
// own value, as Windows does.
constexpr char16_t kWindows1252From80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString EncodeBytes(const QByteArray &bytes, const RandomDigits &nextR) {
    QString line;
    line.reserve(bytes.size() * kGroupLength);
    for (const char byte : bytes) {
        const int code = static_cast<unsigned char>(byte);
        const int r = nextR();
        // Only an R outside 10–99 can make a group other than five digits long.
        if (r < kMinR || r > kMaxR)
            return QStringLiteral("0");
        const double v = RoundHalfEven((code + r) / 2.0 * 33);
        const int w = static_cast<int>(RoundHalfEven(v / 10.0)); // 16…584 for codes 0–255
        AppendDigit(&line, r / 10);
        AppendDigit(&line, r % 10);
        AppendDigit(&line, w / 100);
        AppendDigit(&line, w / 10 % 10);
        AppendDigit(&line, w % 10);
    }
    return line;
}

bool DecodeBytes(const QString &line, QByteArray *bytes) {
    bytes->clear();
    const qsizetype length = line.size();
    bytes->reserve(length / kGroupLength + 1);
    // p is the zero-based index of the first digit of W; the last group may have fewer than three.
    for (qsizetype p = kRLength; p < length; p += kGroupLength) {
        const int r = NumberAt(line, p - kRLength, p);
        const int w = NumberAt(line, p, std::min(p + kWLength, length));
        if (r < 0 || w < 0)
            return false;
        // W has at most three digits and R two, so the code fits an int before its range is checked;
        // only then does it become a byte (a double above 127 made straight into a char is undefined).
        const int code = static_cast<int>(RoundHalfEven(w * 10 / 33.0 * 2 - r));
        if (code < 0 || code > 255)
            return false;
        bytes->append(static_cast<char>(static_cast<unsigned char>(code)));
    }
    return true;
}

QString EncodeLine(const QString &text) {
    // A generator freshly seeded from the clock for every line; the counter keeps lines encoded within
    // one clock tick from drawing the same numbers.
    static std::atomic<std::uint64_t> linesEncoded{0};
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const std::uint64_t seed = ticks ^ (linesEncoded++ * 0x9E3779B97F4A7C15ULL);
    std::mt19937 generator(static_cast<std::uint32_t>(seed ^ (seed >> 32)));
    std::uniform_int_distribution<int> drawR(kMinR, kMaxR);
    return EncodeLineWith(text, [&] { return drawR(generator); });
}

QString EncodeLineWith(const QString &text, const RandomDigits &nextR) {
    return EncodeBytes(text.toUtf8(), nextR);
}

QString DecodeLine(const QString &line) {
    QByteArray bytes;
    if (!DecodeBytes(line, &bytes))
        return QStringLiteral("0");
    return TextFromRecordBytes(bytes);
}

QString TextFromRecordBytes(const QByteArray &bytes) {
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text = QString::fromLatin1(bytes);
    for (QChar &character : text) {
        const char16_t unit = character.unicode();
        if (unit >= 0x80 && unit < 0xA0)
            character = QChar(kWindows1252From80[unit - 0x80]);
    }
    return text;
}

} // namespace common
