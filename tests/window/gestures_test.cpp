// Click counting on the click timer, drags and the right button, against
// virtual time. The double-click time is 500 ms; the drag threshold 4 px.
#include <gtest/gtest.h>

#include "window/probe_window.h"

namespace {

struct Step {
    char op;     // 'P' press, 'R' release, 'W' wait ms, 'M' move by (a, b) from the press point
    int32_t a = 0;
    int32_t b = 0;
};

struct Timeline { const char* name; std::vector<Step> steps; int toggles; int resets; bool moved; };

struct GestureDriver : ProbeSetup {
    static constexpr Point kAt{20, 10};
    void run(const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            switch (s.op) {
            case 'P': window.onLButtonDown(kAt); break;
            case 'R': window.onLButtonUp(kAt); break;
            case 'W': platform.advance(static_cast<uint32_t>(s.a)); break;
            case 'M': window.onMouseMove({kAt.x + s.a, kAt.y + s.b}); break;
            }
        }
    }
};

class Gestures : public ::testing::Test, public GestureDriver {};

const Step P{'P'}, R{'R'};
Step W(int32_t ms) { return {'W', ms}; }
Step M(int32_t dx, int32_t dy) { return {'M', dx, dy}; }

TEST_F(Gestures, TimelinesGiveTheirTogglesAndResets) {
    const std::vector<Timeline> table = {
        {"single click", {P, W(100), R, W(2000)}, 0, 0, false},
        {"double click", {P, W(100), R, W(100), P, W(100), R, W(2000)}, 1, 0, false},
        {"triple click", {P, R, W(100), P, R, W(100), P, R, W(2000)}, 1, 1, false},
        {"four clicks", {P, R, P, R, P, R, P, R, W(2000)}, 2, 0, false},
        {"five clicks", {P, R, P, R, P, R, P, R, P, R, W(2000)}, 2, 0, false},
        {"six clicks", {P, R, P, R, P, R, P, R, P, R, P, R, W(2000)}, 3, 0, false},
        {"drag", {P, M(5, 0), M(9, 2), R, W(2000)}, 0, 0, true},
        {"click then drag", {P, R, W(100), P, M(0, 5), R, W(2000)}, 0, 0, true},
        {"double click then drag", {P, R, P, R, W(100), P, M(8, 0), R, W(2000)}, 1, 0, true},
        {"long press", {P, W(600), R, W(2000)}, 0, 0, false},
        {"fourth press held", {P, R, P, R, P, R, W(100), P, W(600), R, W(2000)}, 1, 1, false},
        {"clicks slower than the double-click time", {P, R, W(501), P, R, W(501), P, R, W(2000)}, 0, 0, false},
        {"move within the threshold", {P, M(4, -4), R, P, M(-4, 4), R, W(2000)}, 1, 0, false},
        {"moves without a press", {M(180, 190), P, R, M(180, 190), W(2000)}, 0, 0, false},
        {"release without a sequence", {R, W(2000)}, 0, 0, false},
        {"release whose press was not seen", {P, R, W(100), R, W(2000)}, 1, 0, false},
        {"double click, drag, then the click timer", {P, R, P, M(20, 0), R, W(500)}, 0, 0, true},
    };
    for (const Timeline& row : table) {
        GestureDriver r;  // each row on its own window and clock
        r.run(row.steps);
        const Rect before{100, 100, 300, 180};
        EXPECT_EQ(r.count("toggle"), row.toggles) << row.name;
        EXPECT_EQ(r.count("reset"), row.resets) << row.name;
        EXPECT_EQ(r.host->rect != before, row.moved) << row.name;
        EXPECT_FALSE(r.host->captured) << row.name;
        EXPECT_EQ(r.window.clickCount(), -1) << row.name;
    }
}

TEST_F(Gestures, DoubleClickTogglesAtTheSecondReleaseWithoutWaiting) {
    run({P, R, P});
    EXPECT_EQ(count("toggle"), 0);
    run({R});
    EXPECT_EQ(count("toggle"), 1);
    EXPECT_EQ(platform.time.nowMs(), 1000u);
}

TEST_F(Gestures, TripleClickResetsOneDoubleClickTimeAfterTheThirdRelease) {
    run({P, R, P, R, P, R});
    platform.advance(499);
    EXPECT_EQ(count("reset"), 0);
    platform.advance(1);
    ASSERT_EQ(count("reset"), 1);
    // The reset is followed by a redrawn display.
    EXPECT_EQ(window.calls.back(), "update 1");
    EXPECT_FALSE(host->timerRunning(TimerWindow::kClickTimerId));
}

TEST_F(Gestures, EveryPressAndReleaseRestartsTheClickTimer) {
    run({P, W(400), R, W(400), P, W(400), R, W(400), P, W(400), R});
    EXPECT_EQ(count("toggle"), 1);
    platform.advance(499);
    EXPECT_EQ(count("reset"), 0);
    platform.advance(1);
    EXPECT_EQ(count("reset"), 1);
}

TEST_F(Gestures, TheDoubleClickTimeIsReadAtEveryStart) {
    run({P});
    EXPECT_EQ(host->timerPeriod(TimerWindow::kClickTimerId), 500u);
    platform.system.doubleClickMs = 300;
    run({R});
    EXPECT_EQ(host->timerPeriod(TimerWindow::kClickTimerId), 300u);
}

TEST_F(Gestures, DragStartsOnlyBeyondTheThresholdAndThenFollowsEveryPixel) {
    run({P, M(4, 4), M(-4, -4)});
    EXPECT_EQ(host->rect.left, 100);
    EXPECT_EQ(host->rect.top, 100);
    run({M(0, -5)});
    EXPECT_EQ(host->rect.top, 95);
    // The grab point stays; the window carries the pointer's offset from it.
    run({M(1, 0)});
    EXPECT_EQ(host->rect.left, 101);
    EXPECT_EQ(host->rect.top, 95);
    EXPECT_EQ(host->rect.width(), 200);
}

TEST_F(Gestures, ThresholdsAreReadAtEveryMove) {
    run({P});
    platform.system.drag = {10, 10};
    run({M(6, 0)});
    EXPECT_EQ(host->rect.left, 100);
    platform.system.drag = {2, 2};
    run({M(3, 0)});
    EXPECT_EQ(host->rect.left, 103);
}

TEST_F(Gestures, PressTakesTheCaptureAndReleaseGivesItBack) {
    run({P});
    EXPECT_TRUE(host->captured);
    EXPECT_EQ(window.clickCount(), 0);
    run({R});
    EXPECT_FALSE(host->captured);
    EXPECT_EQ(window.clickCount(), 1);
}

TEST_F(Gestures, RightReleaseOpensTheMenuAtItsClientPoint) {
    window.onRButtonUp({33, 7});
    ASSERT_EQ(window.calls.size(), 1u);
    EXPECT_EQ(window.calls[0], "menu 33,7");
    EXPECT_EQ(window.clickCount(), -1);
    EXPECT_FALSE(host->captured);
}

}  // namespace
