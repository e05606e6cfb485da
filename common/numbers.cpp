#include "common/numbers.h"

#include "common/runtime-error.h"

namespace common {

double ParseNumber(const QString &text, const QString &source) {
    bool isNumber = false;
    const double value = text.trimmed().toDouble(&isNumber);
    if (!isNumber)
        throw RuntimeError::fromNumber(ErrTypeMismatch, source);
    return value;
}

} // namespace common
