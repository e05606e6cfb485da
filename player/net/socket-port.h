#pragma once
// Ports travel as unsigned 16-bit numbers; a port outside that range is the run-time overflow error.

#include "common/runtime-error.h"

#include <QString>

// `port` as a wire port; throws common::RuntimeError (overflow) naming `source` when it does not fit.
inline quint16 NetworkPort(int port, const QString &source) {
    if (port < 0 || port > 0xFFFF)
        throw common::RuntimeError::fromNumber(common::ErrOverflow, source);
    return static_cast<quint16>(port);
}
