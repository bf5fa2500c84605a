// The font dialog, followed by a colour dialog for the text colour, and the
// colour dialog for the background.
#pragma once

#include "platform/common_dialogs.h"
#include "resources/catalogue.h"

class QtCommonDialogs final : public CommonDialogs {
public:
    explicit QtCommonDialogs(const Texts& texts) : texts_(texts) {}
    std::optional<FontChoice> chooseFont(const LogFont& initial, ColorRef initialColor) override;
    std::optional<ColorRef> chooseColor(ColorRef initial) override;

private:
    Texts texts_;
};
