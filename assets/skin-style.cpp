#include "skin-style.h"

#include <cmath>

namespace skinart {

QColor Mix(const QColor &a, const QColor &b, qreal t) {
    const auto channel = [t](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * t));
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()),
                  channel(a.alpha(), b.alpha()));
}

} // namespace skinart
