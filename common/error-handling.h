#pragma once
// "Skip the failing statement and go on": runs one statement and drops any run-time error it raises.

#include "common/runtime-error.h"

namespace common {

template <typename Statement> void SkipOnError(Statement &&statement) noexcept {
    try {
        statement();
    } catch (const std::exception &) {
    }
}

} // namespace common
