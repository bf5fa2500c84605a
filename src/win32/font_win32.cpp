#include "win32/font_win32.h"

#include <cwchar>
#include <set>
#include <vector>

#include "win32/wide_text.h"

LOGFONTW toLogFontW(const LogFont& font) {
    LOGFONTW lf{};
    lf.lfHeight = font.lfHeight;
    lf.lfWidth = font.lfWidth;
    lf.lfEscapement = font.lfEscapement;
    lf.lfOrientation = font.lfOrientation;
    lf.lfWeight = font.lfWeight;
    lf.lfItalic = font.lfItalic;
    lf.lfUnderline = font.lfUnderline;
    lf.lfStrikeOut = font.lfStrikeOut;
    lf.lfCharSet = font.lfCharSet;
    lf.lfOutPrecision = font.lfOutPrecision;
    lf.lfClipPrecision = font.lfClipPrecision;
    lf.lfQuality = font.lfQuality;
    lf.lfPitchAndFamily = font.lfPitchAndFamily;
    // Undecodable bytes leave the face empty: Windows then picks by charset.
    if (const auto face = faceNameUtf8(font)) {
        const std::wstring wide = wideFromNarrow(*face);
        wcsncpy(lf.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
    }
    return lf;
}

LogFont fromLogFontW(const LOGFONTW& lf, const LogFont& faceFallback) {
    LogFont font = faceFallback;
    font.lfHeight = lf.lfHeight;
    font.lfWidth = lf.lfWidth;
    font.lfEscapement = lf.lfEscapement;
    font.lfOrientation = lf.lfOrientation;
    font.lfWeight = lf.lfWeight;
    font.lfItalic = lf.lfItalic;
    font.lfUnderline = lf.lfUnderline;
    font.lfStrikeOut = lf.lfStrikeOut;
    font.lfCharSet = lf.lfCharSet;
    font.lfOutPrecision = lf.lfOutPrecision;
    font.lfClipPrecision = lf.lfClipPrecision;
    font.lfQuality = lf.lfQuality;
    font.lfPitchAndFamily = lf.lfPitchAndFamily;
    const std::wstring face(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE));
    setFaceNameUtf8(font, narrowFromWide(face));
    return font;
}

FontHandle createFont(const LogFont& font) {
    const LOGFONTW lf = toLogFontW(font);
    return FontHandle(CreateFontIndirectW(&lf));
}

namespace {

int CALLBACK addFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    reinterpret_cast<std::set<std::wstring>*>(names)->insert(font->lfFaceName);
    return 1;
}

// The family names the system lists, as the font dialog enumerates them.
std::set<std::wstring> listedFamilies(HDC dc) {
    std::set<std::wstring> names;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &all, addFamily, reinterpret_cast<LPARAM>(&names), 0);
    return names;
}

std::wstring realisedFamily(HDC dc, const LOGFONTW& font) {
    const FontHandle handle(CreateFontIndirectW(&font));
    const SelectedObject selected(dc, handle.get());
    const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size < sizeof(OUTLINETEXTMETRICW)) return {};
    std::vector<char> buffer(size);
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
    if (!GetOutlineTextMetricsW(dc, size, metrics)) return {};
    const auto offset = reinterpret_cast<std::size_t>(metrics->otmpFamilyName);
    return offset < size ? std::wstring(reinterpret_cast<const wchar_t*>(buffer.data() + offset)) : std::wstring();
}

}  // namespace

std::wstring listedFace(const LOGFONTW& font) {
    const std::wstring given(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE));
    const WindowDC screen(nullptr);
    const std::set<std::wstring> listed = listedFamilies(screen.get());
    if (listed.count(given)) return given;
    const std::wstring family = realisedFamily(screen.get(), font);
    return listed.count(family) ? family : given;
}
