#include "common/rounding.h"

#include "common/runtime-error.h"

#include <cmath>
#include <limits>

namespace common {

double RoundHalfEven(double value) {
    // round() and trunc() ignore the current rounding mode, which nearbyint() obeys. round() takes
    // halves away from zero, so a half goes to 2 × round(value / 2) instead, the even neighbour
    // (halving and doubling are exact).
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

namespace {

template <typename Integer> Integer RoundToInteger(double value, const QString &source) {
    const double rounded = RoundHalfEven(value);
    // Written so that NaN fails the test as well.
    if (!(rounded >= std::numeric_limits<Integer>::min() && rounded <= std::numeric_limits<Integer>::max()))
        throw RuntimeError::fromNumber(ErrOverflow, source);
    return static_cast<Integer>(rounded);
}

} // namespace

std::int16_t RoundToInt16(double value) {
    return RoundToInteger<std::int16_t>(value, QStringLiteral("RoundToInt16"));
}

std::int32_t RoundToInt32(double value) {
    return RoundToInteger<std::int32_t>(value, QStringLiteral("RoundToInt32"));
}

} // namespace common
