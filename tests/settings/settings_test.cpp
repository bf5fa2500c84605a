// The settings file: its bytes, what a damaged file leaves behind, the face
// name in code page 932, where the file lives.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "platform/code_page.h"
#include "settings/countdown_settings.h"
#include "settings/settings_location.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The 128-byte first-run file, written by hand from the field layout
// (tests/data/README.md).
Bytes golden() {
    std::ifstream in(std::string(QUILLASTOR_TEST_DATA) + "/settings_first_run.dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes withInt(Bytes bytes, std::size_t offset, uint32_t value) {
    if (bytes.size() < offset + 4) bytes.resize(offset + 4);
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

TEST(SettingsFile, FirstRunRecordWritesTheGoldenFileByteForByte) {
    CountdownSettings s;
    s.windowRect = {100, 200, 420, 300};
    LogFont font;
    font.lfHeight = -16;
    font.lfWeight = 700;
    font.lfCharSet = 128;
    ASSERT_TRUE(setFaceNameUtf8(font, "ＭＳ Ｐゴシック"));
    s.setFont(font);
    s.textColor = 0x00FFFFFF;
    s.backColor = 0x00FF8080;
    s.reserved = 32;
    s.registeredTimes = {180, 600, 3600};
    s.countdownSeconds = 180;
    s.autoStart = 1;
    EXPECT_EQ(s.storedBytes(), golden());
    CountdownSettings back, again;
    ASSERT_TRUE(back.load(golden()));
    EXPECT_EQ(back.storedBytes(), golden());
    font.lfWidth = 7, font.lfEscapement = 9, font.lfOrientation = 900, s.setFont(font);  // each field in its place
    EXPECT_TRUE(again.load(s.storedBytes()) && again.storedBytes() == s.storedBytes());
}

// A short file fails to load; the fields read before the end keep their file
// values (a constructed record has black colours and no font).
TEST(SettingsFile, ShortFileKeepsWhatWasReadBeforeItsEnd) {
    struct Row { std::size_t length; bool font; ColorRef text; ColorRef back; std::size_t times; };
    const Row table[] = {{0, false, 0, 0, 0}, {16, false, 0, 0, 0}, {20, true, 0, 0, 0}, {84, true, 0xFFFFFF, 0, 0},
                         {100, true, 0xFFFFFF, 0xFF8080, 0}, {112, true, 0xFFFFFF, 0xFF8080, 1},
                         {127, true, 0xFFFFFF, 0xFF8080, 3}};
    const Bytes file = golden();
    for (const Row& row : table) {
        CountdownSettings s;
        EXPECT_FALSE(s.load(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(row.length)))) << row.length;
        EXPECT_EQ(s.fontObject() != nullptr, row.font) << row.length;
        EXPECT_EQ(s.textColor, row.text) << row.length;
        EXPECT_EQ(s.backColor, row.back) << row.length;
        EXPECT_EQ(s.registeredTimes.size(), row.times) << row.length;
    }
    // A block is taken even when the file ends inside it, the rest zero-filled;
    // the options read before the end stay.
    Archive archive = Archive::forLoading({1, 2, 3});
    uint8_t block[5] = {9, 9, 9, 9, 9};
    archive.readBlock(block, sizeof block);
    EXPECT_EQ(Bytes(block, block + 5), (Bytes{1, 2, 3, 0, 0}));
    CountdownSettings s;
    Bytes options = withInt(withInt(withInt(golden(), 88, 0), 92, 0), 100, 0);
    EXPECT_FALSE(s.load(Bytes(options.begin(), options.begin() + 107)));
    EXPECT_EQ(s.windowRect, (Rect{100, 200, 420, 300}));
    EXPECT_EQ(s.underline + s.autoFit + s.alarmSound, 0);
    s.registeredTimes = {1, 2, 3, 4, 5, 6};
    s.limitRegisteredTimes();
    EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{1, 2, 3, 4, 5}));
}

// Full-width letters, kana, kanji, half-width katakana and ASCII convert both
// ways; what has no form in code page 932 is refused.
TEST(FaceName, CodePage932BothWaysOrRefused) {
    const std::pair<std::string, std::optional<std::string>> table[] = {
        {"明朝", "\x96\xBE\x92\xA9"}, {"ｱ", "\xB1"}, {"Arial", "Arial"}, {"한글", {}}, {"\xF0\x9F\x98\x80", {}}, {"\xC3", {}}};
    for (const auto& [utf8, cp932] : table) {
        EXPECT_EQ(utf8ToCp932(utf8), cp932) << utf8;
        EXPECT_TRUE(!cp932 || cp932ToUtf8(*cp932) == utf8) << utf8;
    }
    EXPECT_EQ(cp932ToUtf8("\x82"), std::nullopt);  // a lone lead byte
    LogFont font;
    ASSERT_TRUE(setFaceNameUtf8(font, "明朝"));
    EXPECT_FALSE(setFaceNameUtf8(font, "맑은 고딕"));
    EXPECT_FALSE(setFaceNameUtf8(font, std::string("A\0B", 3)));
    EXPECT_EQ(faceNameUtf8(font), "明朝");  // a refused name keeps the old one
}

// A name is cut to 31 bytes without splitting a double-byte character; each
// row puts a character whose lead byte is at an edge of the lead-byte ranges
// across the cut.
TEST(FaceName, LongNameIsCutOnACharacterBoundary) {
    const std::string a30(30, 'a');
    const std::pair<std::string, std::string> table[] = {
        {a30 + "＝", a30}, {a30 + "檗", a30}, {a30 + "漾", a30}, {a30 + "髜", a30}, {a30 + "\xEF\xBD\xB1" "b", a30 + "ｱ"},
        {std::string(40, 'a'), std::string(31, 'a')}, {"ゴシックゴシックゴシックゴシック", "ゴシックゴシックゴシックゴシッ"}};
    for (const auto& [name, kept] : table) {
        LogFont font;
        font.lfFaceName.fill('x');
        ASSERT_TRUE(setFaceNameUtf8(font, name));
        EXPECT_EQ(faceNameUtf8(font), kept) << name;
        EXPECT_EQ(font.lfFaceName[31], '\0');
    }
    LogFont font;
    font.lfFaceName.fill('z');  // no terminator: all 32 bytes are the name
    EXPECT_EQ(faceNameUtf8(font), std::string(32, 'z'));
}

TEST(SettingsFilePath, TheExecutablesNameWithDat) {
    const std::pair<const char*, const char*> table[] = {
        {"D:\\Apps\\Timer.exe", "D:\\Apps\\Timer.dat"}, {"C:\\x\\a.b.exe", "C:\\x\\a.b.dat"},
        {"/opt/q/QuillastorTimer", "/opt/q/QuillastorTimer.dat"}, {"/home/u/v1.2/timer", "/home/u/v1.2/timer.dat"},
        {"C:\\v1.2\\Timer", "C:\\v1.2\\Timer.dat"}, {"C:\\dir.x/Clock", "C:\\dir.x/Clock.dat"}, {"/a./timer", "/a./timer.dat"}, {"Timer", "Timer.dat"}, {"/opt/.timer", "/opt/.dat"}};
    for (const auto& [executable, settings] : table) EXPECT_EQ(settingsFilePath(executable), settings);
    FakeFileStore store;  // another settings file, where the executable's folder takes none
    store.closedFolders = {"/exe"};
    EXPECT_EQ(SettingsLocation(store, {"/exe", "/u"}, "t.ini").path() + pathInFolder("C:\\Apps", "t.dat") + pathInFolder("/", "t.dat"),
              "/u/t.iniC:\\Apps\\t.dat/t.dat");
}


}  // namespace
