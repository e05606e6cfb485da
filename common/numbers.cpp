#include "common/numbers.h"

#include "common/runtime-error.h"

#include <cmath>

namespace common {

double ParseNumber(const QString &text, const QString &source) {
    bool isNumber = false;
    const double value = text.trimmed().toDouble(&isNumber);
    // Qt refuses a number beyond double range with an infinity, and accepts the words "inf" and "nan".
    if (!isNumber && std::isinf(value))
        throw RuntimeError::fromNumber(ErrOverflow, source);
    if (!isNumber || !std::isfinite(value))
        throw RuntimeError::fromNumber(ErrTypeMismatch, source);
    return value;
}

float ParseSingle(const QString &text, const QString &source) {
    // Halfway between the largest single and 2^128: from here on a value rounds to infinity.
    constexpr double kSingleOverflow = 0x1.ffffffp+127;
    const double value = ParseNumber(text, source);
    if (std::fabs(value) >= kSingleOverflow)
        throw RuntimeError::fromNumber(ErrOverflow, source);
    return static_cast<float>(value);
}

} // namespace common
