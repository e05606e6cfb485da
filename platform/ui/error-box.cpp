#include "platform/ui/error-box.h"

#include "platform/ui/message-box.h"

namespace ui {

void ShowError(const QString &description) {
    if (common::ShouldShowError(description))
        MessageBox(description, Icon::Critical, Buttons::OkOnly, kErrorTitle);
}

void ShowError(const std::exception &error) {
    if (const auto *runtime = dynamic_cast<const common::RuntimeError *>(&error))
        ShowError(runtime->description());
    else
        ShowError(QString::fromUtf8(error.what()));
}

} // namespace ui
