#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"
#include "settings/log_font.h"

namespace {

const std::string kMsPGothic = "ＭＳ Ｐゴシック";
const std::string kMsPGothicCp932 = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

}  // namespace

// Full-width letters, kana, kanji, half-width katakana and plain ASCII; and
// what has no form in code page 932 (Hangul, emoji, cut sequences).
TEST(CodePage932, ConvertsBothWaysOrRefuses) {
    const std::pair<std::string, std::string> conversions[] = {
        {kMsPGothic, kMsPGothicCp932}, {"明朝", "\x96\xBE\x92\xA9"}, {"ｱ", "\xB1"}, {"Arial", "Arial"}, {"", ""}};
    for (const auto& [utf8, cp932] : conversions) {
        EXPECT_EQ(utf8ToCp932(utf8), cp932) << utf8;
        EXPECT_EQ(cp932ToUtf8(cp932), utf8) << utf8;
    }
    EXPECT_EQ(utf8ToCp932("한글"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("Font \xF0\x9F\x98\x80"), std::nullopt);
    EXPECT_EQ(utf8ToCp932("\xC3"), std::nullopt);
    EXPECT_EQ(cp932ToUtf8("\x82"), std::nullopt);  // lone lead byte
}

TEST(FaceName, StoredAsItsCodePageBytesOrRefusedKeepingTheOldOne) {
    LogFont font;
    ASSERT_TRUE(setFaceNameUtf8(font, kMsPGothic));
    EXPECT_EQ(std::string(font.lfFaceName.data()), kMsPGothicCp932);
    EXPECT_EQ(faceNameUtf8(font), kMsPGothic);
    EXPECT_FALSE(setFaceNameUtf8(font, "맑은 고딕"));
    EXPECT_FALSE(setFaceNameUtf8(font, std::string("A\0B", 3)));
    EXPECT_EQ(faceNameUtf8(font), kMsPGothic);
}

TEST(FaceName, LongNameIsCutToThirtyOneBytesOnACharacterBoundary) {
    LogFont font;
    font.lfFaceName.fill('x');
    // 16 double-byte characters: 32 bytes, so only 15 of them (30 bytes) fit.
    ASSERT_TRUE(setFaceNameUtf8(font, "ゴシックゴシックゴシックゴシック"));
    EXPECT_EQ(faceNameUtf8(font), "ゴシックゴシックゴシックゴシッ");
    EXPECT_EQ(font.lfFaceName[30], '\0');
    EXPECT_EQ(font.lfFaceName[31], '\0');
    ASSERT_TRUE(setFaceNameUtf8(font, std::string(40, 'a')));
    EXPECT_EQ(faceNameUtf8(font), std::string(31, 'a'));
    // Read back: no terminator means all 32 bytes are the name; a bad byte, no name.
    font.lfFaceName.fill('z');
    EXPECT_EQ(faceNameUtf8(font), std::string(32, 'z'));
    font.lfFaceName.fill('\0');
    font.lfFaceName[0] = '\x82';
    EXPECT_EQ(faceNameUtf8(font), std::nullopt);
}
