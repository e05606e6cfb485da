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

std::int16_t RoundToInt16(double value) {
    const double rounded = RoundHalfEven(value);
    // Written so that NaN fails the test as well.
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        throw RuntimeError::fromNumber(ErrOverflow, QStringLiteral("RoundToInt16"));
    return static_cast<std::int16_t>(rounded);
}

} // namespace common
