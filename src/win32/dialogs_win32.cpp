#include "win32/dialogs_win32.h"

#include <commdlg.h>

#include "win32/font_win32.h"
#include "win32/wide_text.h"

std::string applicationTitle(const std::string& executablePath) {
    const std::size_t slash = executablePath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

void Win32MessageBoxes::show(const std::string& text, const std::optional<std::string>& caption, uint32_t style) {
    const std::wstring body = wideFromNarrow(text);
    const std::wstring title = wideFromNarrow(caption.value_or(title_));
    MessageBoxW(owners_.current(), body.c_str(), title.c_str(), style);
}

std::optional<FontChoice> Win32CommonDialogs::chooseFont(const LogFont& initial, ColorRef initialColor) {
    LOGFONTW lf = toLogFontW(initial);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owners_.current();
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = initialColor;
    if (!ChooseFontW(&cf)) return std::nullopt;
    return FontChoice{fromLogFontW(lf, initial), cf.rgbColors};
}

std::optional<ColorRef> Win32CommonDialogs::chooseColor(ColorRef initial) {
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owners_.current();
    cc.rgbResult = initial;
    cc.lpCustColors = customColors_.data();
    // Opening on the current colour is what a user expects.
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorW(&cc)) return std::nullopt;
    return cc.rgbResult;
}
