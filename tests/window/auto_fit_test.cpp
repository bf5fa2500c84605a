// Fitting the font to the window and the window to the text. The fake
// measures the sample "00:00:00" as 4h wide and h high for a height h.
#include <gtest/gtest.h>

#include "window/probe_window.h"

namespace {

class AutoFit : public ::testing::Test, public ProbeSetup {
protected:
    AutoFit() {
        LogFont font = fakeTemplateFont();
        font.lfHeight = 20;
        font.lfWeight = 700;
        window.settings().setFont(font);
        platform.text.heights.clear();
    }
    int32_t storedHeight() { return window.settings().logFont().lfHeight; }
    void setSnapshotUnderline(int32_t underline) {
        window.shown.underline = underline;
        window.updateDisplay(false);
    }
};

TEST_F(AutoFit, WorkedSequences) {
    struct Row {
        const char* name;
        std::optional<int32_t> fitLimit;
        int32_t underline;
        std::vector<int32_t> tried;
        int32_t stored;
    };
    const Row table[] = {
        {"height equals request", std::nullopt, 0, {60, 160, 80, 40, 60, 70, 65, 62, 61, 60, 60}, 60},
        {"up to 57 fits", 57, 0, {60, 30, 45, 52, 56, 58, 57, 57}, 57},
    };
    LogFont expected = window.settings().logFont();
    for (const Row& row : table) {
        platform.text.heights.clear();
        platform.text.fitLimit = row.fitLimit;
        setSnapshotUnderline(row.underline);
        window.fitFontToWindow(1000, 60);
        EXPECT_EQ(platform.text.heights, row.tried) << row.name;
        expected.lfHeight = row.stored;
        EXPECT_EQ(window.settings().logFont(), expected) << row.name;  // only the height changes
    }
    EXPECT_EQ(platform.text.texts.back(), "00:00:00");  // room for two hour digits
    window.fitFontToWindow(0, 0);
    EXPECT_EQ(storedHeight(), 0);
}

TEST_F(AutoFit, TheBandIsReservedFromTheSnapshotNotTheOption) {
    window.settings().underline = 0;
    setSnapshotUnderline(1);
    window.fitFontToWindow(1000, 60);
    EXPECT_EQ(storedHeight(), 55);
    window.settings().underline = 1;
    setSnapshotUnderline(0);
    window.fitFontToWindow(1000, 60);
    EXPECT_EQ(storedHeight(), 60);
}

TEST_F(AutoFit, WidthLimitsTheHeight) {
    window.fitFontToWindow(200, 60);
    EXPECT_EQ(storedHeight(), 50);
}

TEST_F(AutoFit, GrowthStopsWhenTheExtentStopsGrowing) {
    platform.text.growthCap = 30;
    window.fitFontToWindow(1000, 60);
    ASSERT_GE(platform.text.heights.size(), 2u);
    // 60 and 160 measure alike: the growth ends at 160 without a misfit.
    EXPECT_EQ(platform.text.heights[0], 60);
    EXPECT_EQ(platform.text.heights[1], 160);
    EXPECT_LT(platform.text.heights.size(), 14u);
    EXPECT_EQ(storedHeight(), 159);
}

TEST_F(AutoFit, GrowthStopsAtItsCeiling) {
    // A font that grows by one pixel per 100 requested keeps fitting.
    platform.text.heightPercent = 1;
    platform.text.widthPercent = 1;
    window.fitFontToWindow(5000, 200);
    const auto& tried = platform.text.heights;
    std::size_t growth = 0;
    while (growth < tried.size() && tried[growth] == 200 + 100 * static_cast<int32_t>(growth)) ++growth;
    EXPECT_EQ(growth, 99u);  // 200, 300, ..., 10000
    EXPECT_EQ(tried[growth - 1], 10000);
    EXPECT_EQ(storedHeight(), 9999);
}

TEST_F(AutoFit, TheGuardSkipsFittingAndRepainting) {
    window.setSizingGuard(true);
    window.fitFontToWindow(1000, 60);
    EXPECT_TRUE(platform.text.heights.empty());
    EXPECT_EQ(storedHeight(), 20);
    EXPECT_EQ(host->redraws, 0);
}

TEST_F(AutoFit, WindowToTextArithmetic) {
    struct Row { int32_t underline; int32_t textHeight; Size outer; };
    // Frame 4 each side; the text is 4h wide. 38 high with the band: (20*38+40)/19 = 42.
    const Row table[] = {{1, 38, {152 + 8, 42 + 8}}, {0, 38, {152 + 8, 38 + 8}}, {1, 20, {80 + 8, 23 + 8}},
                         {1, 17, {68 + 8, 20 + 8}}};
    for (const Row& row : table) {
        window.settings().underline = row.underline;
        LogFont font = window.settings().logFont();
        font.lfHeight = row.textHeight;
        window.settings().setFont(font);
        platform.text.heights.clear();
        host->rect = {50, 60, 51, 61};
        window.fitWindowToText();
        EXPECT_EQ(host->rect, (Rect{50, 60, 50 + row.outer.cx, 60 + row.outer.cy})) << row.textHeight;
        // The size message inside the resize does not refit the font.
        EXPECT_EQ(platform.text.heights.size(), 1u);
        EXPECT_EQ(storedHeight(), row.textHeight);
        EXPECT_FALSE(window.sizingGuard());
    }
}

// What each event does with auto-fit on and off: the size message refits the
// font; a chosen font, the underline and auto-fit switched on refit the window.
TEST_F(AutoFit, EventsByAutoFit) {
    struct Row { const char* event; int32_t autoFit; std::vector<std::string> log; int32_t height; };
    const Row table[] = {
        {"size", 1, {"redraw", "redraw"}, 60},
        {"size", 0, {"redraw"}, 20},
        {"font", 1, {"resize 128x38", "redraw", "redraw"}, 30},
        {"font", 0, {"redraw"}, 30},
        {"underline", 1, {"resize 88x31", "redraw", "update 1"}, 20},  // (20*20+40)/19 + 8 high
        {"underline", 0, {"update 1"}, 20},
        {"auto-fit", 0, {"resize 88x28", "redraw"}, 20},
        {"auto-fit", 1, {}, 20},
    };
    LogFont chosen = fakeTemplateFont();
    chosen.lfHeight = 30;
    platform.commonDialogs.fontAnswer = FontChoice{chosen, 0x000000FF};
    for (const Row& row : table) {
        SCOPED_TRACE(std::string(row.event) + " " + std::to_string(row.autoFit));
        window.settings().autoFit = row.autoFit;
        window.settings().underline = 0;
        LogFont font = window.settings().logFont();
        font.lfHeight = 20;
        window.settings().setFont(font);
        host->rect = {50, 60, 250, 160};
        host->clearLog();
        const std::string event = row.event;
        if (event == "size") window.onSize(1000, 60);
        if (event == "font") window.chooseFont();
        if (event == "underline") window.toggleUnderline();
        if (event == "auto-fit") window.toggleAutoFit();
        EXPECT_EQ(host->log, row.log);
        EXPECT_EQ(storedHeight(), row.height);
    }
    EXPECT_EQ(window.settings().textColor, 0x000000FFu);
    EXPECT_EQ(platform.commonDialogs.fontCalls.at(1).first.lfHeight, 20);
    EXPECT_EQ(platform.commonDialogs.fontCalls.at(1).second, 0x000000FFu);
    // Any non-zero option counts as on and switches to 0.
    window.settings().underline = 7;
    window.settings().autoFit = 3;
    window.toggleUnderline();
    window.toggleAutoFit();
    EXPECT_EQ(window.settings().underline, 0);
    EXPECT_EQ(window.settings().autoFit, 0);
}

// A chosen background colour repaints and never resizes; cancelled dialogs change nothing.
TEST_F(AutoFit, BackgroundColourAndCancelledDialogs) {
    const LogFont before = window.settings().logFont();
    window.settings().textColor = 0x123456;
    platform.commonDialogs.colorAnswer = 0x00ABCDEF;
    window.chooseBackgroundColor();
    EXPECT_EQ(window.settings().backColor, 0x00ABCDEFu);
    EXPECT_EQ(host->log, std::vector<std::string>{"redraw"});
    platform.commonDialogs.fontAnswer.reset();
    platform.commonDialogs.colorAnswer.reset();
    window.chooseFont();
    window.chooseBackgroundColor();
    EXPECT_EQ(window.settings().logFont(), before);
    EXPECT_EQ(window.settings().textColor, 0x123456u);
    EXPECT_EQ(window.settings().backColor, 0x00ABCDEFu);
    EXPECT_EQ(host->redraws, 1);
}

}  // namespace
