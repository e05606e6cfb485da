#pragma once
// Reading a number from text as the system's conversions do: surrounding white space is ignored,
// anything else that is not a number raises "Type mismatch".

#include <QString>

namespace common {

// The number in `text`; throws RuntimeError 13 "Type mismatch" with `source` when there is none.
double ParseNumber(const QString &text, const QString &source);

} // namespace common
