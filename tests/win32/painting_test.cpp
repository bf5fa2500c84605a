// The painted window, read back pixel by pixel from the screen: background,
// digits, the band while running, the inverted alarm phase.
#include <gtest/gtest.h>

#include "scripted_run.h"

namespace {

constexpr COLORREF kBack = RGB(128, 128, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInvertedBack = RGB(127, 127, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

int bandRows(int clientHeight) { return clientHeight / 20 + 2; }

// How many pixels of a row have the colour.
int countInRow(HWND w, int y, COLORREF color) {
    const SIZE client = clientSizeOf(w);
    int n = 0;
    for (int x = 0; x < client.cx; ++x) n += pixelAt(w, x, y) == color ? 1 : 0;
    return n;
}

// How many pixels of the text area (above the band) have the colour.
int countInTextArea(HWND w, COLORREF color) {
    const SIZE client = clientSizeOf(w);
    int n = 0;
    for (int y = 0; y < client.cy - bandRows(client.cy); y += 2) n += countInRow(w, y, color);
    return n;
}

void bigWindow(ScriptedRun& r) {
    // A larger window gives the digits more pixels; auto-fit grows the font.
    SetWindowPos(r.window(), nullptr, 100, 100, 240, 80, SWP_NOZORDER);
    UpdateWindow(r.window());
}

}  // namespace

TEST(TimerWindowPainting, IdleFrameIsWhiteDigitsOnTheBackgroundWithoutBand) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    run.then(bigWindow, 100);
    run.then([](ScriptedRun& r) {
        const HWND w = r.window();
        const SIZE client = clientSizeOf(w);
        EXPECT_EQ(pixelAt(w, 0, 0), kBack);
        EXPECT_EQ(pixelAt(w, client.cx - 1, 0), kBack);
        EXPECT_GT(countInTextArea(w, kWhite), 40) << "no digits drawn";
        // Only the two colours (plus anti-aliasing between them) appear, and
        // the bottom rows stay background while the countdown is idle.
        EXPECT_EQ(countInRow(w, client.cy - 1, kBack), client.cx);
        EXPECT_EQ(countInRow(w, client.cy - bandRows(client.cy), kBack), client.cx);
    }, 200);
    run.then([](ScriptedRun& r) { PostMessageW(r.window(), WM_COMMAND, kCmdExit, 0); });
    EXPECT_TRUE(run.run());
}

TEST(TimerWindowPainting, RunningCountdownDrawsTheBandInTheTextColour) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    run.then(bigWindow, 100);
    run.then([](ScriptedRun& r) { PostMessageW(r.window(), WM_COMMAND, kCmdStartStop, 0); }, 100);
    run.until([](ScriptedRun& r) { return r.timer().countdown().isRunning(); }, "the countdown runs");
    run.then([](ScriptedRun& r) {
        const HWND w = r.window();
        const SIZE client = clientSizeOf(w);
        const int band = bandRows(client.cy);
        for (int row = 1; row <= band; ++row)
            EXPECT_EQ(countInRow(w, client.cy - row, kWhite), client.cx) << "band row " << row;
        EXPECT_EQ(countInRow(w, client.cy - band - 1, kWhite), 0) << "the band is " << band << " rows high";
        PostMessageW(w, WM_COMMAND, kCmdStartStop, 0);
    }, 200);
    run.then([](ScriptedRun& r) {
        const SIZE client = clientSizeOf(r.window());
        EXPECT_EQ(countInRow(r.window(), client.cy - 1, kBack), client.cx) << "the band goes when stopped";
        PostMessageW(r.window(), WM_COMMAND, kCmdExit, 0);
    }, 200);
    EXPECT_TRUE(run.run());
}

TEST(TimerWindowPainting, AlarmCentresTheWindowAndFlashesInvertedColours) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    RECT before{};
    run.then(bigWindow, 100);
    run.then([&](ScriptedRun& r) {
        GetWindowRect(r.window(), &before);
        r.timer().setCountdownDuration(1);  // auto-start is on after the first run
    }, 100);
    run.until([](ScriptedRun& r) { return r.timer().alarmActive(); }, "the alarm starts", 4000);
    run.then([](ScriptedRun& r) {
        RECT now{};
        GetWindowRect(r.window(), &now);
        EXPECT_EQ(now.left, (GetSystemMetrics(SM_CXMAXIMIZED) - (now.right - now.left)) / 2);
        EXPECT_EQ(now.top, (GetSystemMetrics(SM_CYMAXIMIZED) - (now.bottom - now.top)) / 2);
    }, 50);
    run.until([](ScriptedRun& r) { return pixelAt(r.window(), 0, 0) == kInvertedBack; }, "the inverted phase", 2500);
    run.then([](ScriptedRun& r) {
        EXPECT_TRUE(r.timer().inverted());
        EXPECT_GT(countInTextArea(r.window(), kBlack), 40) << "digits turn black";
        EXPECT_EQ(countInTextArea(r.window(), kWhite), 0);
        const SIZE client = clientSizeOf(r.window());
        EXPECT_EQ(countInRow(r.window(), client.cy - 1, kBlack), client.cx) << "the band takes the inverted colour";
    }, 0);
    run.until([](ScriptedRun& r) { return pixelAt(r.window(), 0, 0) == kBack; }, "the normal phase again", 2500);
    run.then([](ScriptedRun& r) {
        // A press dismisses the alarm and puts the window back.
        PostMessageW(r.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(r.window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    });
    run.until([](ScriptedRun& r) { return !r.timer().alarmActive(); }, "the alarm ends");
    run.then([&](ScriptedRun& r) {
        RECT now{};
        GetWindowRect(r.window(), &now);
        EXPECT_EQ(now.left, before.left);
        EXPECT_EQ(now.top, before.top);
        EXPECT_EQ(pixelAt(r.window(), 0, 0), kBack);
        EXPECT_FALSE(GetWindowLongPtrW(r.window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        PostMessageW(r.window(), WM_COMMAND, kCmdExit, 0);
    }, 700);
    EXPECT_TRUE(run.run());
}
