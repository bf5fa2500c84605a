#include <gtest/gtest.h>

#include <algorithm>

#include "fake/fake_platform.h"
#include "settings_test_data.h"

using namespace settings_test;

// The first-run record, field by field, as the layout puts it on disk.
TEST(SettingsFormat, FirstRunRecordWritesTheGoldenFileAndLoadsBackFromIt) {
    const std::pair<std::size_t, std::vector<uint8_t>> fields[] = {
        {0, {0x64, 0, 0, 0}},           {4, {0xC8, 0, 0, 0}},          {8, {0xA4, 0x01, 0, 0}},
        {12, {0x2C, 0x01, 0, 0}},       {16, {0, 0, 0, 0}},            {20, {0xF0, 0xFF, 0xFF, 0xFF}},
        {24, {0, 0, 0, 0}},             {36, {0xBC, 0x02, 0, 0}},      {40, {0, 0, 0, 0x80, 0, 0, 0, 0}},
        {48, {0x82, 0x6C, 0x82, 0x72, 0x20, 0x82, 0x6F, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62, 0x83, 0x4E, 0}},
        {80, {0xFF, 0xFF, 0xFF, 0x00}}, {84, {0x80, 0x80, 0xFF, 0x00}}, {88, {1, 0, 0, 0}},
        {92, {1, 0, 0, 0}},             {96, {0x20, 0, 0, 0}},         {100, {1, 0, 0, 0}},
        {104, {3, 0, 0, 0}},            {108, {0xB4, 0, 0, 0}},        {112, {0x58, 0x02, 0, 0}},
        {116, {0x10, 0x0E, 0, 0}},      {120, {0xB4, 0, 0, 0}},        {124, {1, 0, 0, 0}},
    };
    CountdownSettings s;
    fillFirstRun(s);
    const auto bytes = store(s);
    ASSERT_EQ(bytes.size(), 128u);
    for (const auto& [offset, expected] : fields)
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + offset, bytes.begin() + offset + expected.size()), expected)
            << "at offset " << offset;
    EXPECT_EQ(std::count(bytes.begin() + 64, bytes.begin() + 80, 0), 16);  // the face name's padding
    EXPECT_EQ(bytes, readGoldenFile());

    CountdownSettings loaded;
    ASSERT_TRUE(loadBytes(loaded, readGoldenFile()));
    EXPECT_EQ(faceNameUtf8(loaded.logFont()), "ＭＳ Ｐゴシック");
    EXPECT_EQ(loaded.registeredTimes, (std::vector<uint32_t>{180, 600, 3600}));
    EXPECT_EQ(store(loaded), bytes);
}

// Every field keeps its exact value, bytes after the face name included.
TEST(SettingsFormat, UnusualValuesRoundTripExactly) {
    CountdownSettings s;
    s.windowRect = {-1200, -5, 3000, 2147483647};
    s.topmost = 7;
    LogFont font{95, -3, 900, 1800, 400, 1, 2, 3, 4, 5, 6, 7, 8};
    font.lfFaceName.fill('\xEE');
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
    EXPECT_EQ(back.logFont(), font);
    EXPECT_EQ(back.registeredTimes, s.registeredTimes);
    EXPECT_EQ(store(back), bytes);
}

TEST(SettingsFormat, ExtraBytesAreIgnoredAndNotWrittenBack) {
    FakeFileStore files;
    files.files["t.dat"] = readGoldenFile();
    files.files["t.dat"].insert(files.files["t.dat"].end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
    CountdownSettings s;
    ASSERT_TRUE(s.load(files, "t.dat"));
    ASSERT_TRUE(s.save(files, "t.dat"));
    EXPECT_EQ(files.files["t.dat"], readGoldenFile());
    // A refused write reports it and leaves the file.
    files.failWrites = true;
    s.autoStart = 0;
    EXPECT_FALSE(s.save(files, "t.dat"));
    EXPECT_EQ(files.files["t.dat"], readGoldenFile());
}

// An empty list is written with a count of 0 and nothing else changes.
TEST(SettingsFormat, CountZeroAndNegativeCountReadNoEntries) {
    for (const int32_t count : {0, -1, -2147483647 - 1}) {
        auto bytes = readGoldenFile();
        bytes.resize(104);
        putLE(bytes, 104, static_cast<uint32_t>(count));
        putLE(bytes, 108, 240);  // read as the duration
        putLE(bytes, 112, 0);    // auto-start
        CountdownSettings s;
        ASSERT_TRUE(loadBytes(s, bytes)) << count;
        EXPECT_TRUE(s.registeredTimes.empty());
        EXPECT_EQ(s.countdownSeconds, 240);
        EXPECT_EQ(s.autoStart, 0);
        putLE(bytes, 104, 0);
        EXPECT_EQ(store(s), bytes);
    }
}
