#include "win32/dialogs_win32.h"

#include <commdlg.h>

#include <cwchar>

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

namespace {

// Keeps the font as the dialog first shows it: called once the dialog has set
// itself up from the initial font.
UINT_PTR CALLBACK recordShownFont(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return 0;
    const auto* cf = reinterpret_cast<const CHOOSEFONTW*>(lParam);
    SendMessageW(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, cf->lCustData);
    return TRUE;
}

}  // namespace

std::optional<FontChoice> Win32CommonDialogs::chooseFont(const LogFont& initial, ColorRef initialColor) {
    LOGFONTW lf = toLogFontW(initial);
    // Opened on a face it does not list, the dialog would show its first one.
    const std::wstring face = listedFace(lf);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    LOGFONTW shown = lf;
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owners_.current();
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    cf.rgbColors = initialColor;
    cf.lpfnHook = recordShownFont;
    cf.lCustData = reinterpret_cast<LPARAM>(&shown);
    if (!ChooseFontW(&cf)) return std::nullopt;
    return FontChoice{fromLogFontW(lf, initial), cf.rgbColors, fromLogFontW(shown, initial)};
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
