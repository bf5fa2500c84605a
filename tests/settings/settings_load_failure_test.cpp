#include <gtest/gtest.h>

#include "memory_file_store.h"
#include "settings_test_data.h"

using namespace settings_test;

namespace {

bool loadBytes(CountdownSettings& s, std::vector<uint8_t> bytes) {
    Archive a = Archive::forLoading(std::move(bytes));
    return s.serialize(a);
}

// What the window appends after a failed load.
void appendFirstRunTimes(CountdownSettings& s) {
    for (const uint32_t t : {180u, 600u, 3600u}) s.registeredTimes.push_back(t);
}

// A file with one registered time, 300, and options that differ from the
// values after construction, so a field that keeps its file value shows.
std::vector<uint8_t> oneTimeFile() {
    auto bytes = readGoldenFile();
    bytes.resize(104);
    putLE(bytes, 88, 0);   // underline off
    putLE(bytes, 92, 0);   // auto-fit off
    putLE(bytes, 100, 0);  // alarm sound off
    putLE(bytes, 104, 1);
    putLE(bytes, 108, 300);
    putLE(bytes, 112, 240);
    putLE(bytes, 116, 0);
    return bytes;  // 120 bytes
}

}  // namespace

TEST(SettingsLoadFailure, MissingFile) {
    MemoryFileStore files;
    CountdownSettings s;
    EXPECT_FALSE(s.load(files, "Timer.dat"));
    EXPECT_EQ(s.fontObject(), nullptr);
    EXPECT_TRUE(s.registeredTimes.empty());
}

TEST(SettingsLoadFailure, EveryShortLengthFails) {
    const auto golden = readGoldenFile();
    for (std::size_t length = 0; length < golden.size(); ++length) {
        CountdownSettings s;
        EXPECT_FALSE(loadBytes(s, std::vector<uint8_t>(golden.begin(), golden.begin() + length))) << length;
    }
}

TEST(SettingsLoadFailure, FieldsReadBeforeTheFailureKeepTheirFileValues) {
    struct Case {
        std::size_t length;
        bool fontSet;
        ColorRef textColor;
        ColorRef backColor;
        std::size_t times;
    };
    // Constructed records have black colours and no font.
    const Case cases[] = {
        {10, false, 0, 0, 0},          {16, false, 0, 0, 0}, {20, true, 0, 0, 0}, {50, true, 0, 0, 0},
        {84, true, 0x00FFFFFF, 0, 0},  {100, true, 0x00FFFFFF, 0x00FF8080, 0},
        {112, true, 0x00FFFFFF, 0x00FF8080, 1}, {127, true, 0x00FFFFFF, 0x00FF8080, 3},
    };
    const auto golden = readGoldenFile();
    for (const auto& c : cases) {
        CountdownSettings s;
        ASSERT_FALSE(loadBytes(s, std::vector<uint8_t>(golden.begin(), golden.begin() + c.length)));
        EXPECT_EQ(s.fontObject() != nullptr, c.fontSet) << c.length;
        EXPECT_EQ(s.textColor, c.textColor) << c.length;
        EXPECT_EQ(s.backColor, c.backColor) << c.length;
        EXPECT_EQ(s.registeredTimes.size(), c.times) << c.length;
    }
    // The rectangle's bytes are taken even when the file ends inside it.
    CountdownSettings s;
    ASSERT_FALSE(loadBytes(s, std::vector<uint8_t>(golden.begin(), golden.begin() + 10)));
    EXPECT_EQ(s.windowRect.left, 100);
    EXPECT_EQ(s.windowRect.top, 200);
    EXPECT_EQ(s.windowRect.right, 0x1A4);  // two bytes present, A4 01
}

TEST(SettingsLoadFailure, FileMissingItsLastByte) {
    auto bytes = oneTimeFile();
    {
        CountdownSettings whole;
        ASSERT_TRUE(loadBytes(whole, bytes));
        EXPECT_EQ(whole.registeredTimes, std::vector<uint32_t>{300});
    }
    bytes.pop_back();
    ASSERT_EQ(bytes.size(), 119u);
    CountdownSettings s;
    EXPECT_FALSE(loadBytes(s, bytes));
    EXPECT_EQ(s.underline, 0);
    EXPECT_EQ(s.autoFit, 0);
    EXPECT_EQ(s.alarmSound, 0);
    EXPECT_EQ(s.registeredTimes, std::vector<uint32_t>{300});

    appendFirstRunTimes(s);
    s.limitRegisteredTimes();
    EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{300, 180, 600, 3600}));
}

TEST(SettingsLoadFailure, HugeCountStopsAtTheEndOfTheFile) {
    for (const uint32_t count : {2000000000u, 0x7FFFFFFFu}) {
        auto bytes = oneTimeFile();
        putLE(bytes, 104, count);
        ASSERT_EQ(bytes.size(), 120u);
        CountdownSettings s;
        EXPECT_FALSE(loadBytes(s, bytes));
        // Three entries fit in the 12 bytes after the count; nothing was
        // reserved for the rest.
        EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{300, 240, 0}));
        EXPECT_LT(s.registeredTimes.capacity(), 64u);
    }
}

TEST(RegisteredTimes, LimitKeepsTheFirstFive) {
    struct Case {
        std::vector<uint32_t> before;
        std::vector<uint32_t> after;
    };
    const Case cases[] = {
        {{}, {}},
        {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
        {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        CountdownSettings s;
        s.registeredTimes = c.before;
        s.limitRegisteredTimes();
        EXPECT_EQ(s.registeredTimes, c.after);
    }
}

TEST(RegisteredTimes, FailedLoadWithThreeTimesThenDefaultsIsCutToFive) {
    const auto golden = readGoldenFile();
    CountdownSettings s;
    ASSERT_FALSE(loadBytes(s, std::vector<uint8_t>(golden.begin(), golden.begin() + 122)));
    appendFirstRunTimes(s);
    ASSERT_EQ(s.registeredTimes.size(), 6u);
    s.limitRegisteredTimes();
    EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{180, 600, 3600, 180, 600}));
}

TEST(RegisteredTimes, StoredCountAboveFiveLoadsAndIsCutAfterwards) {
    auto bytes = readGoldenFile();
    bytes.resize(104);
    putLE(bytes, 104, 7);
    for (uint32_t i = 0; i < 7; ++i) putLE(bytes, 108 + 4 * i, 60 * (i + 1));
    putLE(bytes, 136, 180);
    putLE(bytes, 140, 1);
    CountdownSettings s;
    ASSERT_TRUE(loadBytes(s, bytes));
    EXPECT_EQ(s.registeredTimes.size(), 7u);
    s.limitRegisteredTimes();
    EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{60, 120, 180, 240, 300}));
}
