// A skin's Settings.ini as the skin loader reads it, then its layout line applied to the window's
// built-in layout: a bad line raises the loader's error, colours stay colours, positions stay numbers.

#include "common/runtime-error.h"
#include "player/skins/skin-layout.h"
#include "player/skins/skin-settings.h"
#include "tests/fuzz/fuzz-input.h"

#include <cmath>

namespace {

bool IsColour(const std::optional<std::int32_t> &colour) {
    return !colour || (*colour >= 0 && *colour <= 0xFFFFFF);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = fuzz::WriteInputFile(QStringLiteral("Settings.ini"), fuzz::InputBytes(data, size));
    skins::SkinSettings settings;
    try {
        settings = skins::ReadSkinSettings(path);
    } catch (const common::RuntimeError &) {
        return 0;
    }
    fuzz::Require(IsColour(settings.backColour) && IsColour(settings.foreColour) &&
                      IsColour(settings.comboBackColour),
                  "every colour read is an R + 256·G + 65536·B of 0–255 components");

    skins::Layout layout = skins::BuiltInLayout();
    try {
        skins::AdjustLayout(layout, settings.layout.split(u','));
    } catch (const common::RuntimeError &) {
        // What came before the bad field is applied; it is checked below like the rest.
    }
    for (const auto &[element, box] : layout)
        fuzz::Require(std::isfinite(box.left) && std::isfinite(box.top) && std::isfinite(box.width) &&
                          std::isfinite(box.height),
                      "every element's place is a finite number of twips");
    return 0;
}
