#pragma once
// Showing a trapped run-time error the one way both programs do.

#include "common/runtime-error.h"

namespace ui {

// The title every error box of both programs carries.
inline const QString kErrorTitle = QStringLiteral("Ravelto's Online Radio");

// Shows the description with the critical icon and kErrorTitle, unless it is exactly "Division by zero".
void ShowError(const QString &description);
void ShowError(const std::exception &error);

// Runs a handler body; a run-time error ends it and is shown by ShowError.
template <typename Body> void RunShowingErrors(Body &&body) {
    try {
        body();
    } catch (const std::exception &error) {
        ShowError(error);
    }
}

} // namespace ui
