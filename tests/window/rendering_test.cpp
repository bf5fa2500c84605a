// Painting as canvas calls: colours, inversion, the underline band and the
// text rectangle, the font. The probe's client area is 192 x 72 (band 5).
#include <gtest/gtest.h>

#include "window/probe_window.h"

namespace {

using Kind = CanvasOp::Kind;

class Rendering : public ::testing::Test, public ProbeSetup {
protected:
    Rendering() {
        window.settings().textColor = 0x00FFFFFF;
        window.settings().backColor = 0x00FF8080;
    }
    const RecordingCanvas& paint(bool running, int32_t underline, bool inverted = false) {
        window.shown.text = "0:03:00";
        window.shown.running = running;
        window.shown.underline = underline;
        window.setInverted(inverted);
        window.updateDisplay(false);
        host->redrawNow();
        return host->lastCanvas;
    }
};

TEST(RenderingHelpers, UnderlineThicknessIsATwentiethPlusTwo) {
    const std::pair<int32_t, int32_t> table[] = {{0, 2}, {19, 2}, {20, 3}, {60, 5}, {100, 7}, {400, 22}};
    for (auto [height, thickness] : table) EXPECT_EQ(underlineThickness(height), thickness) << height;
}

TEST(RenderingHelpers, InvertColorFlipsTheThreeColourBytesOnly) {
    const std::pair<ColorRef, ColorRef> table[] = {
        {0x00FFFFFF, 0x00000000}, {0x00FF8080, 0x00007F7F}, {0x00000000, 0x00FFFFFF}, {0x12345678, 0x12CBA987}};
    for (auto [in, out] : table) EXPECT_EQ(invertColor(in), out) << std::hex << in;
}

// Inverted, the colours swap to their complements: black digits on 0x007F7F.
TEST_F(Rendering, ColoursBandAndTextRectangle) {
    struct Row { bool running; int32_t underline; bool inverted; bool bar; int32_t textBottom; };
    const Row table[] = {
        {true, 1, false, true, 67},
        {false, 1, false, false, 67},  // the text area leaves room for the band even when stopped
        {true, 0, false, false, 72},
        {false, 0, false, false, 72},
        {false, 0, true, false, 72},
        {true, 5, false, true, 67},    // any non-zero option is on
        {true, 1, true, true, 67},     // the flash phase: the bar takes the inverted text colour
    };
    for (const Row& row : table) {
        const RecordingCanvas& canvas = paint(row.running, row.underline, row.inverted);
        const ColorRef text = row.inverted ? 0x00000000 : 0x00FFFFFF, back = row.inverted ? 0x00007F7F : 0x00FF8080;
        EXPECT_EQ(canvas.opsOf(Kind::TextColor).at(0).color, text);
        EXPECT_EQ(canvas.opsOf(Kind::BackColor).at(0).color, back);
        const auto fills = canvas.opsOf(Kind::Fill);
        ASSERT_EQ(fills.size(), row.bar ? 2u : 1u) << row.running << row.underline;
        EXPECT_EQ(canvas.ops[0].rect, (Rect{0, 0, 192, 72}));
        EXPECT_EQ(canvas.ops[0].color, back);
        if (row.bar) {
            EXPECT_EQ(fills[1].rect, (Rect{0, 67, 192, 72}));
            EXPECT_EQ(fills[1].color, text);
        }
        ASSERT_TRUE(canvas.text());
        EXPECT_EQ(canvas.text()->rect, (Rect{0, 0, 192, row.textBottom}));
        EXPECT_EQ(canvas.text()->text, "0:03:00");
    }
}

// With no font in the settings the default font draws the text.
TEST_F(Rendering, TheSettingsFontIsSelectedForTheTextThenTheDefaultIsPutBack) {
    EXPECT_TRUE(paint(false, 0).opsOf(Kind::SelectFont).empty());
    ASSERT_TRUE(host->lastCanvas.text());
    LogFont font = fakeTemplateFont();
    font.lfHeight = 40;
    window.settings().setFont(font);
    const RecordingCanvas& canvas = paint(false, 0);
    std::vector<Kind> order;
    for (const auto& op : canvas.ops) order.push_back(op.kind);
    const std::vector<Kind> expected = {Kind::Fill, Kind::TextColor, Kind::BackColor, Kind::SelectFont, Kind::Text,
                                        Kind::DefaultFont};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(canvas.opsOf(Kind::SelectFont)[0].font, font);
}

TEST_F(Rendering, NothingIsDrawnWhileMinimized) {
    host->minimized = true;
    EXPECT_TRUE(paint(true, 1).empty());
    EXPECT_EQ(host->redraws, 1);
}

}  // namespace
