#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "settings_test_data.h"

using namespace settings_test;

namespace {

// What the window appends after a failed load, then the cut to five.
void appendFirstRunTimes(CountdownSettings& s) {
    for (const uint32_t t : {180u, 600u, 3600u}) s.registeredTimes.push_back(t);
    s.limitRegisteredTimes();
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

TEST(SettingsLoadFailure, MissingFileOrAnyShortLengthFails) {
    FakeFileStore files;
    CountdownSettings missing;
    EXPECT_FALSE(missing.load(files, "Timer.dat"));
    EXPECT_EQ(missing.fontObject(), nullptr);
    const auto golden = readGoldenFile();
    for (std::size_t length = 0; length < golden.size(); ++length) {
        CountdownSettings s;
        EXPECT_FALSE(loadBytes(s, std::vector<uint8_t>(golden.begin(), golden.begin() + length))) << length;
    }
}

// Constructed records have black colours and no font.
TEST(SettingsLoadFailure, FieldsReadBeforeTheFailureKeepTheirFileValues) {
    struct Case { std::size_t length; bool fontSet; ColorRef textColor, backColor; std::size_t times; };
    const Case cases[] = {
        {10, false, 0, 0, 0},          {16, false, 0, 0, 0}, {20, true, 0, 0, 0}, {50, true, 0, 0, 0},
        {84, true, 0x00FFFFFF, 0, 0},  {100, true, 0x00FFFFFF, 0x00FF8080, 0},
        {112, true, 0x00FFFFFF, 0x00FF8080, 1}, {127, true, 0x00FFFFFF, 0x00FF8080, 3},
    };
    const auto golden = readGoldenFile();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        CountdownSettings s;
        ASSERT_FALSE(loadBytes(s, std::vector<uint8_t>(golden.begin(), golden.begin() + c.length)));
        EXPECT_EQ(s.fontObject() != nullptr, c.fontSet);
        EXPECT_EQ(s.textColor, c.textColor);
        EXPECT_EQ(s.backColor, c.backColor);
        EXPECT_EQ(s.registeredTimes.size(), c.times);
        if (c.length == 10) {  // the rectangle's bytes are taken even when the file ends inside it
            EXPECT_EQ(s.windowRect, (Rect{100, 200, 0x1A4, 0}));
        }
    }
}

TEST(SettingsLoadFailure, FileMissingItsLastByte) {
    auto bytes = oneTimeFile();
    CountdownSettings whole;
    ASSERT_TRUE(loadBytes(whole, bytes));
    EXPECT_EQ(whole.registeredTimes, std::vector<uint32_t>{300});
    bytes.pop_back();
    CountdownSettings s;
    EXPECT_FALSE(loadBytes(s, bytes));
    EXPECT_EQ(s.underline, 0);
    EXPECT_EQ(s.autoFit, 0);
    EXPECT_EQ(s.alarmSound, 0);
    appendFirstRunTimes(s);
    EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{300, 180, 600, 3600}));
}

// Three entries fit in the 12 bytes after the count; nothing is reserved for the rest.
TEST(SettingsLoadFailure, HugeCountStopsAtTheEndOfTheFile) {
    for (const uint32_t count : {2000000000u, 0x7FFFFFFFu}) {
        auto bytes = oneTimeFile();
        putLE(bytes, 104, count);
        CountdownSettings s;
        EXPECT_FALSE(loadBytes(s, bytes));
        EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{300, 240, 0}));
        EXPECT_LT(s.registeredTimes.capacity(), 64u);
    }
}

TEST(RegisteredTimes, LimitKeepsTheFirstFive) {
    const std::pair<std::vector<uint32_t>, std::vector<uint32_t>> cases[] = {
        {{}, {}}, {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}}, {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5}}};
    for (const auto& [before, after] : cases) {
        CountdownSettings s;
        s.registeredTimes = before;
        s.limitRegisteredTimes();
        EXPECT_EQ(s.registeredTimes, after);
    }
    // A failed load with three times, then the defaults, is cut to five.
    const auto golden = readGoldenFile();
    CountdownSettings s;
    ASSERT_FALSE(loadBytes(s, std::vector<uint8_t>(golden.begin(), golden.begin() + 122)));
    appendFirstRunTimes(s);
    EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{180, 600, 3600, 180, 600}));
}

// A stored count above five loads whole; the window cuts it afterwards.
TEST(RegisteredTimes, StoredCountAboveFiveLoads) {
    auto bytes = readGoldenFile();
    bytes.resize(104);
    putLE(bytes, 104, 7);
    for (uint32_t i = 0; i < 7; ++i) putLE(bytes, 108 + 4 * i, 60 * (i + 1));
    putLE(bytes, 136, 180);
    putLE(bytes, 140, 1);
    CountdownSettings s;
    ASSERT_TRUE(loadBytes(s, bytes));
    EXPECT_EQ(s.registeredTimes, (std::vector<uint32_t>{60, 120, 180, 240, 300, 360, 420}));
}
