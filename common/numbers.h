#pragma once
// Reading a number from text as the system's conversions do: surrounding white space is ignored,
// anything else that is not a number raises "Type mismatch", a number too large for its type
// "Overflow". Every value returned is finite.

#include <QString>

namespace common {

// The number in `text`; throws RuntimeError with `source`: 13 "Type mismatch" when there is none (the
// words "inf" and "nan" are text, not numbers), 6 "Overflow" when it lies beyond double range ("1e309").
double ParseNumber(const QString &text, const QString &source);

// As ParseNumber, in single precision: "Overflow" as well when the number rounds beyond single range
// ("1e39").
float ParseSingle(const QString &text, const QString &source);

} // namespace common
