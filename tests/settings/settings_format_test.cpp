#include <gtest/gtest.h>

#include <algorithm>

#include "memory_file_store.h"
#include "settings_test_data.h"

using namespace settings_test;

namespace {

struct Field {
    std::size_t offset;
    std::vector<uint8_t> bytes;
};

// The first-run file, field by field, as the layout puts it on disk.
const Field kFirstRunFields[] = {
    {0, {0x64, 0, 0, 0}},           {4, {0xC8, 0, 0, 0}},          {8, {0xA4, 0x01, 0, 0}},
    {12, {0x2C, 0x01, 0, 0}},       {16, {0, 0, 0, 0}},            {20, {0xF0, 0xFF, 0xFF, 0xFF}},
    {24, {0, 0, 0, 0}},             {36, {0xBC, 0x02, 0, 0}},      {40, {0, 0, 0, 0x80, 0, 0, 0, 0}},
    {48, {0x82, 0x6C, 0x82, 0x72, 0x20, 0x82, 0x6F, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62, 0x83, 0x4E, 0}},
    {80, {0xFF, 0xFF, 0xFF, 0x00}}, {84, {0x80, 0x80, 0xFF, 0x00}}, {88, {1, 0, 0, 0}},
    {92, {1, 0, 0, 0}},             {96, {0x20, 0, 0, 0}},         {100, {1, 0, 0, 0}},
    {104, {3, 0, 0, 0}},            {108, {0xB4, 0, 0, 0}},        {112, {0x58, 0x02, 0, 0}},
    {116, {0x10, 0x0E, 0, 0}},      {120, {0xB4, 0, 0, 0}},        {124, {1, 0, 0, 0}},
};

std::vector<uint8_t> store(CountdownSettings& s) {
    Archive a = Archive::forStoring();
    EXPECT_TRUE(s.serialize(a));
    return a.bytes();
}

bool loadBytes(CountdownSettings& s, std::vector<uint8_t> bytes) {
    Archive a = Archive::forLoading(std::move(bytes));
    return s.serialize(a);
}

}  // namespace

TEST(SettingsFormat, FirstRunRecordWritesTheGoldenFile) {
    CountdownSettings s;
    fillFirstRun(s);
    const auto bytes = store(s);
    ASSERT_EQ(bytes.size(), 128u);
    for (const auto& field : kFirstRunFields) {
        const std::vector<uint8_t> actual(bytes.begin() + field.offset,
                                          bytes.begin() + field.offset + field.bytes.size());
        EXPECT_EQ(actual, field.bytes) << "at offset " << field.offset;
    }
    // The face name's padding (offsets 64..79) is zero as well.
    EXPECT_EQ(std::count(bytes.begin() + 64, bytes.begin() + 80, 0), 16);
    EXPECT_EQ(bytes, readGoldenFile());
}

TEST(SettingsFormat, GoldenFileLoadsIntoTheFirstRunValues) {
    CountdownSettings loaded;
    ASSERT_TRUE(loadBytes(loaded, readGoldenFile()));
    CountdownSettings expected;
    fillFirstRun(expected);
    EXPECT_EQ(loaded.windowRect, expected.windowRect);
    EXPECT_EQ(loaded.logFont(), expected.logFont());
    EXPECT_EQ(faceNameUtf8(loaded.logFont()), "ＭＳ Ｐゴシック");
    EXPECT_EQ(loaded.textColor, 0x00FFFFFFu);
    EXPECT_EQ(loaded.backColor, 0x00FF8080u);
    EXPECT_EQ(loaded.reserved, 32);
    EXPECT_EQ(loaded.registeredTimes, (std::vector<uint32_t>{180, 600, 3600}));
    EXPECT_EQ(loaded.countdownSeconds, 180);
    EXPECT_EQ(loaded.autoStart, 1);
    EXPECT_EQ(loaded.topmost, 0);
}

TEST(SettingsFormat, UnusualValuesRoundTripExactly) {
    CountdownSettings s;
    s.windowRect = {-1200, -5, 3000, 2147483647};
    s.topmost = 7;
    LogFont font;
    font.lfHeight = 95;
    font.lfWidth = -3;
    font.lfEscapement = 900;
    font.lfOrientation = 1800;
    font.lfWeight = 400;
    font.lfItalic = 1;
    font.lfUnderline = 2;
    font.lfStrikeOut = 3;
    font.lfCharSet = 4;
    font.lfOutPrecision = 5;
    font.lfClipPrecision = 6;
    font.lfQuality = 7;
    font.lfPitchAndFamily = 8;
    font.lfFaceName.fill('\xEE');  // bytes after the name survive too
    font.lfFaceName[0] = 'A';
    font.lfFaceName[1] = '\0';
    s.setFont(font);
    s.textColor = 0x00123456;
    s.backColor = 0xFFFFFFFF;
    s.underline = 0;
    s.autoFit = -1;
    s.reserved = 12345;
    s.alarmSound = 0;
    s.registeredTimes = {1, 59, 3600, 86399, 0xFFFFFFFF};
    s.countdownSeconds = 2147484;
    s.autoStart = 0;

    const auto bytes = store(s);
    ASSERT_EQ(bytes.size(), 116u + 4 * 5);
    CountdownSettings back;
    ASSERT_TRUE(loadBytes(back, bytes));
    EXPECT_EQ(back.windowRect, s.windowRect);
    EXPECT_EQ(back.topmost, 7);
    EXPECT_EQ(back.logFont(), font);
    EXPECT_EQ(back.textColor, s.textColor);
    EXPECT_EQ(back.backColor, s.backColor);
    EXPECT_EQ(back.underline, 0);
    EXPECT_EQ(back.autoFit, -1);
    EXPECT_EQ(back.reserved, 12345);
    EXPECT_EQ(back.alarmSound, 0);
    EXPECT_EQ(back.registeredTimes, s.registeredTimes);
    EXPECT_EQ(back.countdownSeconds, s.countdownSeconds);
    EXPECT_EQ(back.autoStart, 0);
    EXPECT_EQ(store(back), bytes);
}

TEST(SettingsFormat, ExtraBytesAreIgnoredAndNotWrittenBack) {
    MemoryFileStore files;
    auto bytes = readGoldenFile();
    bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
    files.files["t.dat"] = bytes;
    CountdownSettings s;
    ASSERT_TRUE(s.load(files, "t.dat"));
    EXPECT_EQ(s.autoStart, 1);
    ASSERT_TRUE(s.save(files, "t.dat"));
    EXPECT_EQ(files.files["t.dat"], readGoldenFile());
}

TEST(SettingsFormat, CountZeroAndNegativeCountReadNoEntries) {
    struct Case {
        int32_t count;
    };
    for (const Case c : {Case{0}, Case{-1}, Case{-2147483647 - 1}}) {
        auto bytes = readGoldenFile();
        bytes.resize(104);
        putLE(bytes, 104, static_cast<uint32_t>(c.count));
        putLE(bytes, 108, 240);  // read as the duration
        putLE(bytes, 112, 0);    // auto-start
        CountdownSettings s;
        ASSERT_TRUE(loadBytes(s, bytes)) << c.count;
        EXPECT_TRUE(s.registeredTimes.empty());
        EXPECT_EQ(s.countdownSeconds, 240);
        EXPECT_EQ(s.autoStart, 0);
        // An empty list is written with a count of 0 and nothing else changes.
        auto expected = bytes;
        putLE(expected, 104, 0);
        EXPECT_EQ(store(s), expected);
    }
}

TEST(SettingsFile, SaveWritesThroughTheStoreAndLoadReadsBack) {
    MemoryFileStore files;
    CountdownSettings s;
    fillFirstRun(s);
    ASSERT_TRUE(s.save(files, "dir/Timer.dat"));
    EXPECT_EQ(files.files["dir/Timer.dat"], readGoldenFile());

    CountdownSettings back;
    EXPECT_TRUE(back.load(files, "dir/Timer.dat"));
    EXPECT_EQ(back.registeredTimes, s.registeredTimes);

    files.refuseWrites = true;
    s.autoStart = 0;
    EXPECT_FALSE(s.save(files, "dir/Timer.dat"));
    EXPECT_EQ(files.files["dir/Timer.dat"], readGoldenFile());
}

TEST(SettingsFile, FontObjectExistsOnlyOnceAFontIsSet) {
    CountdownSettings s;
    EXPECT_EQ(s.fontObject(), nullptr);
    EXPECT_EQ(s.logFont(), LogFont{});
    LogFont font;
    font.lfHeight = -40;
    s.setFont(font);
    ASSERT_NE(s.fontObject(), nullptr);
    EXPECT_EQ(s.fontObject()->lfHeight, -40);
    font.lfHeight = -20;
    s.setFont(font);
    EXPECT_EQ(s.logFont().lfHeight, -20);
}
