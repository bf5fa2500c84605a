#include "win32/font_win32.h"

#include <cwchar>

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
