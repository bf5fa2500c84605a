// The settings' font record and Windows' LOGFONTW: every field and the
// Japanese face survive the trip both ways.
#include <gtest/gtest.h>

#include "win32/font_win32.h"

TEST(FontConversion, JapaneseFaceAndFieldsRoundTrip) {
    LogFont font;
    font.lfHeight = -16;
    font.lfWeight = 700;
    font.lfItalic = 1;
    font.lfCharSet = 128;
    font.lfPitchAndFamily = 0x31;
    ASSERT_TRUE(setFaceNameUtf8(font, "ＭＳ Ｐゴシック"));

    const LOGFONTW wide = toLogFontW(font);
    EXPECT_STREQ(wide.lfFaceName, L"ＭＳ Ｐゴシック");
    EXPECT_EQ(wide.lfHeight, -16);
    EXPECT_EQ(wide.lfWeight, 700);
    EXPECT_EQ(wide.lfItalic, 1);
    EXPECT_EQ(wide.lfCharSet, 128);
    EXPECT_EQ(fromLogFontW(wide), font);
}

TEST(FontConversion, FaceWithoutACodePage932FormKeepsTheFallbackFace) {
    LogFont fallback;
    ASSERT_TRUE(setFaceNameUtf8(fallback, "Arial"));
    LOGFONTW wide{};
    wide.lfHeight = 20;
    lstrcpyW(wide.lfFaceName, L"Noto Sans \x0915");  // Devanagari: not in code page 932
    const LogFont font = fromLogFontW(wide, fallback);
    EXPECT_EQ(faceNameUtf8(font), std::optional<std::string>("Arial"));
    EXPECT_EQ(font.lfHeight, 20);
}

TEST(FontConversion, RealisedFontIsTheRequestedOne) {
    LogFont font;
    font.lfHeight = -24;
    font.lfWeight = 700;
    ASSERT_TRUE(setFaceNameUtf8(font, "ＭＳ Ｐゴシック"));
    const FontHandle realised = createFont(font);
    ASSERT_TRUE(realised);
    LOGFONTW back{};
    ASSERT_NE(GetObjectW(realised.get(), sizeof back, &back), 0);
    EXPECT_EQ(back.lfHeight, -24);
    EXPECT_STREQ(back.lfFaceName, L"ＭＳ Ｐゴシック");
}
