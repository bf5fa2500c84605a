// The settings file: its bytes, what a damaged file leaves behind, the face
// name in code page 932, where the file lives and where it is read and written.
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
    CountdownSettings back;
    ASSERT_TRUE(back.load(golden()));
    EXPECT_EQ(back.storedBytes(), golden());
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
        {"C:\\v1.2\\Timer", "C:\\v1.2\\Timer.dat"}, {"C:\\dir.x/Clock", "C:\\dir.x/Clock.dat"}, {"/a./timer", "/a./timer.dat"}, {"Timer", "Timer.dat"}};
    for (const auto& [executable, settings] : table) EXPECT_EQ(settingsFilePath(executable), settings);
}

// Beside the executable, when the file is there or the folder takes one; else
// the user's folder, made at the first save there. The folder is chosen before
// reading: a fresh copy ignores the user's file. A file there but unreadable
// is never written over.
TEST(SettingsLocation, ReadsAndWritesWhereTheRuleSays) {
    const std::string kBeside = "/exe/timer.dat", kUser = "/home/.config/Q/timer.dat";
    const Bytes kA{1, 2}, kB{3};
    using Saved = SettingsLocation::Saved;
    struct Row { const char* name; bool closed; std::map<std::string, Bytes> files; std::set<std::string> unreadable, refused;
                 std::optional<Bytes> loaded; Saved saved; std::string namedPath; };
    const Row table[] = {
        {"nothing anywhere: beside", false, {}, {}, {}, {}, Saved::Yes, kBeside},
        {"a fresh copy: defaults, whatever the user's folder holds", false, {{kUser, kB}}, {}, {}, {}, Saved::Yes, kBeside},
        {"the folder refuses: the user's", true, {}, {}, {}, {}, Saved::Yes, kUser},
        {"the folder refuses: the user's read", true, {{kUser, kB}}, {}, {}, kB, Saved::Yes, kUser},
        {"beside wins", false, {{kBeside, kA}, {kUser, kB}}, {}, {}, kA, Saved::Yes, kBeside},
        {"beside, in a folder that refuses new files", true, {{kBeside, kA}, {kUser, kB}}, {}, {}, kA, Saved::Yes, kBeside},
        {"beside unreadable: left alone", true, {{kUser, kB}}, {kBeside}, {}, {}, Saved::Refused, kBeside},
        {"the user's unreadable", true, {}, {kUser}, {}, {}, Saved::Refused, kUser},
        {"beside read, then refused: not hidden", false, {{kBeside, kA}}, {}, {kBeside}, kA, Saved::Failed, kBeside},
        {"nowhere to write", true, {}, {}, {kUser}, {}, Saved::Failed, kUser},
    };
    for (const Row& row : table) {
        FakeFileStore store;
        store.files = row.files, store.unreadable = row.unreadable, store.refused = row.refused;
        if (row.closed) store.closedFolders = {"/exe"};
        SettingsLocation location(store, {"/exe", "/home/.config/Q"}, "timer.dat");
        EXPECT_EQ(location.read(), row.loaded) << row.name;
        EXPECT_EQ(location.write({9}), row.saved) << row.name;
        EXPECT_EQ(location.path(), row.namedPath) << row.name;
        auto expected = row.files;
        if (row.saved == Saved::Yes) expected[row.namedPath] = {9};
        EXPECT_EQ(store.files, expected) << row.name;
        const bool made = row.files.count(row.namedPath) == 0 && !row.unreadable.count(row.namedPath);
        EXPECT_EQ(store.created, made ? std::set<std::string>{folderAndName(row.namedPath).first} : std::set<std::string>{}) << row.name;
    }
    EXPECT_EQ(pathInFolder("C:\\Apps", "t.dat") + pathInFolder("/", "t.dat"), "C:\\Apps\\t.dat/t.dat");
}

}  // namespace
