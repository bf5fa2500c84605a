// The generic timer window on its own: click counting and drags on virtual
// time, fitting text and window to each other, painting, centring. A probe
// window fills in the operations and counts the ones the mechanics call.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "timekeeping/time_text.h"
#include "window/timer_window.h"

namespace {

class Probe : public TimerWindow {
public:
    explicit Probe(Services& services) : TimerWindow(7, services) {}
    void onLButtonDown(Point p) override { beginPress(p); }
    void onRButtonDown(Point) override {}
    void onTimer(uint32_t id) override {
        if (id == kClickTimerId) endClickSequence();
    }
    void onCommand(uint32_t) override {}
    void onKeyDown(const KeyEvent&) override {}
    std::string accessibleValue() const override { return {}; }
    int32_t accessibleSeconds() const override { return 0; }
    void saveSettings() override {}
    int32_t timeFormatMode() const override { return kClockFormatMode; }
    void showContextMenu(int32_t, int32_t) override {}
    void reset() override { ++resets; }
    void toggleStartStop() override { ++toggles; }
    void applyDefaultSettings() override {}
    void applyLoadedSettings() override {}
    void updateDisplay(bool redraw) override {
        displayState_->assign(shown);
        if (redraw) host().redrawNow();
    }
    std::string productName() const override { return "Probe"; }
    std::string versionString() const override { return "9"; }
    std::unique_ptr<DisplayState> createDisplayState() override { return std::make_unique<DisplayState>(); }
    std::unique_ptr<WindowSettings> createSettings() override { return std::make_unique<WindowSettings>(); }
    using TimerWindow::chooseBackgroundColor, TimerWindow::chooseFont, TimerWindow::fitWindowToText,
        TimerWindow::toggleAutoFit, TimerWindow::toggleUnderline;
    void setInverted(bool on) { inverted_ = on; }

    DisplayState shown;  // what updateDisplay puts into the snapshot
    int toggles = 0;
    int resets = 0;
};

// A probe after start-up (no settings file) on the fake platform, at
// (100, 100), 200 x 80, its client 192 x 72.
struct ProbeSetup {
    FakePlatform platform;
    Probe window{platform.services};
    FakeWindow& host = platform.window;
    ProbeSetup() {
        window.createStateObjects();
        host.attach(window);
        window.onInitDialog();
        host.log.clear();
    }
    int32_t fontHeight() { return window.settings().logFont().lfHeight; }
    void setFontHeight(int32_t h) {
        LogFont font = fakeTemplateFont();
        font.lfHeight = h;
        window.settings().setFont(font);
    }
};

// A timeline: P press, R release (at client 20,10), U right release (the
// menu), L capture lost, W<ms> wait, M<dx>,<dy> move from the press point,
// D<ms> double-click time, G<px> drag threshold; checks: t<n> toggles, r<n> resets, c<n> click count,
// C<0|1> captured, x<left>,<top> window corner.
void play(ProbeSetup& s, const std::string& script) {
    std::istringstream in(script);
    for (std::string word; in >> word;) {
        const char op = word[0];
        int a = 0, b = 0;
        std::sscanf(word.c_str() + 1, "%d,%d", &a, &b);
        const Point at{20, 10};
        switch (op) {
        case 'P': s.window.onLButtonDown(at); break;
        case 'R': s.window.onLButtonUp(at); break;
        case 'L': s.window.onCaptureLost(); break;
        case 'U': s.window.onRButtonUp(at); break;
        case 'W': s.host.advance(static_cast<uint32_t>(a)); break;
        case 'M': s.window.onMouseMove({at.x + a, at.y + b}); break;
        case 'D': s.platform.system.doubleClickMs = static_cast<uint32_t>(a); break;
        case 'G': s.platform.system.drag = {a, a}; break;
        case 't': EXPECT_EQ(s.window.toggles, a) << "at " << word; break;
        case 'r': EXPECT_EQ(s.window.resets, a) << "at " << word; break;
        case 'c': EXPECT_EQ(s.window.clickCount(), a) << "at " << word; break;
        case 'C': EXPECT_EQ(s.host.captured, a == 1) << "at " << word; break;
        case 'x': EXPECT_EQ((Point{s.host.rect.left, s.host.rect.top}), (Point{a, b})) << "at " << word; break;
        default: FAIL() << "unknown step " << word;
        }
    }
}

TEST(Gestures, Timelines) {
    const std::pair<const char*, const char*> table[] = {
        {"single click", "P C1 c0 W100 R C0 c1 W2000 t0 r0 c-1"},
        {"double click toggles at the second release", "P W100 R W100 P t0 R t1 W2000 t1 r0"},
        {"triple click resets one double-click time after", "P R W100 P R W100 P R t1 W499 r0 W1 r1 c-1"},
        {"every press and release restarts the click timer", "P W400 R W400 P W400 R W400 P W400 R t1 W499 r0 W1 r1"},
        {"four, five and six clicks", "P R P R P R P R t2 P R W600 t2 r0 P R P R P R P R P R P R W600 t5 r0"},
        {"drag moves and counts nothing", "P M5,0 x105,100 M9,2 x114,102 R C0 W2000 t0 r0 c-1"},
        {"click, then drag", "P R W100 P M0,5 x100,105 R W2000 t0 r0"},
        {"double click, then drag", "P R P R W100 P M8,0 R W2000 t1 r0"},
        {"drag inside a triple click", "P R P R P M20,0 R W500 t1 r0"},
        {"long press", "P W600 c-1 R W2000 t0"},
        {"fourth press held", "P R P R P R W100 P W499 r0 W1 r1 C1 R C0 t1"},
        {"clicks slower than the double-click time", "P R W501 P R W501 P R W2000 t0 r0"},
        {"threshold exactly is no drag, one more is", "P M4,4 x100,100 M-4,-4 x100,100 M0,-5 x100,95 M1,0 x101,95 R"},
        {"thresholds read at every move", "P G10 M6,0 x100,100 G2 M3,0 x103,100 R"},
        {"double-click time read at every start", "P D300 R W299 c1 W1 c-1"},
        {"moves and releases without a press", "M180,190 x100,100 R c-1 P R M180,190 x100,100 W2000 t0"},
        {"release whose press was not seen", "P R W100 R t1 W2000"},
        {"a lost capture ends the press, not as a click", "P R P L c-1 M20,0 x100,100 R W2000 t0 r0"},
        {"the menu ends a press held through it", "P R P U C0 c-1 M20,0 x100,100 R W2000 t0 r0"},
    };
    for (const auto& [name, script] : table) {
        SCOPED_TRACE(name);
        ProbeSetup s;
        play(s, script);
    }
}

// Heights tried while fitting the font to a 1000 x 60 client: growth in steps
// of 100 from the client height, then bisection. The fake measures the sample
// "00:00:00" as 4h wide and h high.
TEST(AutoFit, FontToWindow) {
    struct Row { const char* name; int32_t width; std::optional<int32_t> fitLimit, growthCap; int32_t underline; std::vector<int32_t> tried; int32_t stored; };
    const Row table[] = {
        {"height fits", 1000, {}, {}, 0, {60, 160, 80, 40, 60, 70, 65, 62, 61, 60, 60}, 60},
        {"up to 57 fits", 1000, 57, {}, 0, {60, 30, 45, 52, 56, 58, 57, 57}, 57},
        {"band reserved", 1000, {}, {}, 1, {60, 30, 45, 52, 56, 54, 55, 55}, 55},
        {"width limits", 200, {}, {}, 0, {60, 30, 45, 52, 48, 50, 51, 50, 50}, 50},
        {"extent stops growing", 1000, {}, 30, 0, {60, 160, 80, 120, 140, 150, 155, 157, 158, 159, 159}, 159},
    };
    for (const Row& row : table) {
        ProbeSetup s;
        s.setFontHeight(20);
        s.platform.text.fitLimit = row.fitLimit;
        s.platform.text.growthCap = row.growthCap;
        s.window.shown.underline = row.underline;
        s.window.settings().underline = 1 - row.underline;  // the band follows the snapshot, not the option
        s.window.updateDisplay(false);
        s.window.fitFontToWindow(row.width, 60);
        EXPECT_EQ(s.platform.text.heights, row.tried) << row.name;
        LogFont expected = fakeTemplateFont();
        expected.lfHeight = row.stored;
        EXPECT_EQ(s.window.settings().logFont(), expected) << row.name;  // only the height changes
    }
}

// What each event does with auto-fit on and off: the size message refits the
// font; a chosen font, the underline and auto-fit switched on refit the window
// to the text plus the frame, with the band making the client (20 h + 40) / 19
// high, and the size message of that resize refits nothing.
// Options start at 7 (any non-zero value is on and switches to 0); the
// dialogs open on the current font and colour, and Cancel changes nothing.
TEST(AutoFit, EventsByAutoFit) {
    struct Row { const char* event; int32_t autoFit; bool ok; std::vector<std::string> log; int32_t height; ColorRef text, back; };
    const Row table[] = {
        {"size", 7, true, {"redraw", "redraw"}, 60, 0x123456, 0}, {"size", 0, true, {"redraw"}, 20, 0x123456, 0},
        {"font", 7, true, {"resize 128x41", "redraw", "redraw"}, 30, 0x0000FF, 0}, {"font", 0, true, {"redraw"}, 30, 0x0000FF, 0},
        {"font", 7, false, {}, 20, 0x123456, 0}, {"underline", 7, true, {"resize 88x28", "redraw", "redraw"}, 20, 0x123456, 0},
        {"underline", 0, true, {"redraw"}, 20, 0x123456, 0}, {"auto-fit", 0, true, {"resize 88x31", "redraw"}, 20, 0x123456, 0},
        {"auto-fit", 7, true, {}, 20, 0x123456, 0}, {"colour", 7, true, {"redraw"}, 20, 0x123456, 0xABCDEF},
        {"colour", 7, false, {}, 20, 0x123456, 0},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(std::string(row.event) + " " + std::to_string(row.autoFit));
        ProbeSetup s;
        s.window.settings().autoFit = row.autoFit;
        s.window.settings().underline = 7;
        s.window.settings().textColor = 0x123456;
        s.window.shown.text = std::string(row.event);  // every event paints something new
        s.setFontHeight(20);
        LogFont chosen = fakeTemplateFont();
        chosen.lfHeight = 30;
        if (row.ok) s.platform.dialogs.font = FontChoice{chosen, 0x0000FF, {}}, s.platform.dialogs.color = 0xABCDEF;
        const std::string event = row.event;
        if (event == "size") s.window.onSize(1000, 60);
        if (event == "font") s.window.chooseFont();
        if (event == "underline") s.window.toggleUnderline();
        if (event == "auto-fit") s.window.toggleAutoFit();
        if (event == "colour") s.window.chooseBackgroundColor();
        EXPECT_EQ(s.host.log, row.log);
        EXPECT_EQ(s.fontHeight(), row.height);
        EXPECT_EQ(s.window.settings().textColor, row.text);
        EXPECT_EQ(s.window.settings().backColor, row.back);
        const auto& asked = s.platform.dialogs.fontAsked;  // opened on the current font and colour
        EXPECT_TRUE(event != "font" || (asked->font.lfHeight == 20 && asked->color == 0x123456u));
    }
}

// OK in the font dialog: what the user left as the dialog first showed it
// keeps its stored value (bold -40 "ＭＳ Ｐゴシック", charset 128); the face
// becomes the one in use.
TEST(FontDialog, KeepsWhatTheUserLeft) {
    struct Font { int32_t height, weight; uint8_t italic, charSet; const char* face; };
    struct Row { const char* name; Font shown, chosen, stored; };
    const char *ms = "ＭＳ Ｐゴシック", *ipa = "IPA Pゴシック";
    const Row table[] = {
        {"listed under another name", {-40, 700, 0, 0, "MS PGothic"}, {-40, 700, 0, 0, "MS PGothic"}, {-40, 700, 0, 128, "MS PGothic"}},
        {"size rounded to points", {-41, 700, 0, 128, ms}, {-41, 700, 0, 128, ms}, {-40, 700, 0, 128, ms}},
        {"face without bold", {-40, 400, 0, 128, ipa}, {-40, 400, 0, 128, ipa}, {-40, 700, 0, 128, ipa}},
        {"only the size changed", {-40, 400, 0, 128, ipa}, {-60, 400, 0, 128, ipa}, {-60, 700, 0, 128, ipa}},
        {"style changed", {-40, 400, 0, 128, ipa}, {-40, 400, 1, 128, ipa}, {-40, 400, 1, 128, ipa}},
        {"another face", {-40, 400, 0, 128, ipa}, {-40, 400, 0, 128, "DejaVu Sans"}, {-40, 400, 0, 128, "DejaVu Sans"}},
    };
    auto logFont = [](const Font& f) {
        LogFont font = fakeTemplateFont();
        font.lfHeight = f.height, font.lfWeight = f.weight, font.lfItalic = f.italic, font.lfCharSet = f.charSet;
        return setFaceNameUtf8(font, f.face), font;
    };
    for (const Row& row : table) {
        ProbeSetup s;
        s.window.settings().setFont(logFont({-40, 700, 0, 128, ms}));
        s.platform.dialogs.fontShown = logFont(row.shown);
        s.platform.dialogs.font = FontChoice{logFont(row.chosen), 0, {}};
        s.window.chooseFont();
        EXPECT_EQ(s.window.settings().logFont(), logFont(row.stored)) << row.name;
    }
}

// One paint of the 192 x 72 client, white on 0xFF8080: the band is
// 72 / 20 + 2 = 5 high and the text area leaves room for it even when
// stopped; inverted, each colour is XOR 0xFFFFFF.
TEST(Rendering, Paints) {
    struct Row { const char* name; bool running; int32_t underline; bool inverted; std::vector<std::string> ops; };
    const std::string text = "textColor FFFFFF", back = "backColor FF8080", end = "defaultFont";
    const Row table[] = {
        {"running with band", true, 1, false, {"fill 0,0,192,72 FF8080", "fill 0,67,192,72 FFFFFF", text, back, "text 0,0,192,67 0:03:00", end}},
        {"stopped with band", false, 5, false, {"fill 0,0,192,72 FF8080", text, back, "text 0,0,192,67 0:03:00", end}},
        {"running without band", true, 0, false, {"fill 0,0,192,72 FF8080", text, back, "text 0,0,192,72 0:03:00", end}},
        {"flash phase", true, 1, true, {"fill 0,0,192,72 007F7F", "fill 0,67,192,72 000000", "textColor 000000", "backColor 007F7F", "text 0,0,192,67 0:03:00", end}},
    };
    for (const Row& row : table) {
        ProbeSetup s;
        s.window.settings().textColor = 0xFFFFFF;
        s.window.settings().backColor = 0xFF8080;
        s.window.shown = DisplayState{};
        s.window.shown.text = "0:03:00";
        s.window.shown.running = row.running;
        s.window.shown.underline = row.underline;
        s.window.setInverted(row.inverted);
        s.window.updateDisplay(true);
        EXPECT_EQ(s.host.canvas.ops, row.ops) << row.name;
    }
    ProbeSetup s;
    s.setFontHeight(40);
    s.window.updateDisplay(true);
    EXPECT_EQ(s.host.canvas.ops.at(3), "font 40");  // selected for the text, then the default is put back
    s.host.minimized = true;
    s.host.redrawNow();
    EXPECT_TRUE(s.host.canvas.ops.empty());
}

}  // namespace
