// The countdown window on the fake platform: start-up, counting down, the
// alarm, saving.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "countdown/timer_app.h"
#include "countdown_setup.h"

namespace {

TEST(StartUp, FirstRunUnderTheModalRun) {
    FakePlatform platform;
    std::vector<std::string> log;
    platform.runner.session = [&](TimerWindow& window, FakeWindow& host) {
        log = host.log;
        EXPECT_FALSE(window.sizingGuard());
        EXPECT_EQ(window.displayState().text, "0:03:00");
        const auto& o = static_cast<CountdownSettings&>(window.settings());
        EXPECT_EQ(std::tuple(o.logFont().lfWeight, o.reserved, o.autoStart, o.textColor, o.backColor), std::tuple(700, 32, 1, 0xFFFFFFu, 0xFF8080u));
        EXPECT_EQ(o.registeredTimes, (std::vector<uint32_t>{180, 600, 3600}));
        EXPECT_EQ(host.tooltip, "Quillastorカウントダウンタイマー Ver1.01\r\n・スタート/ストップ(左ダブルクリック)\r\n"
                                "・リセット(左トリプルクリック)\r\n・ウィンドウ移動(左ドラッグ)");
    };
    EXPECT_FALSE(TimerApp().run(platform.services, platform.runner));
    // The template font is 12 px high: the sample is 48 x 12, the band makes
    // the client 14 high, the frame adds 8. Centred in 1040 x 800.
    EXPECT_EQ(log, (std::vector<std::string>{"redraw", "init", "resize 56x22", "redraw", "moveTo 492,389", "topmost 0", "tooltip"}));
    EXPECT_EQ(platform.text.heights, std::vector<int32_t>{-12});
}

// Placed as stored, not started, not refitted; a longer list is cut to five,
// also after a damaged file had the first-run three appended.
TEST(StartUp, LoadedSettingsPlaceTheWindowAndSetTheDuration) {
    CountdownSettings stored;
    stored.windowRect = {300, 200, 500, 260};
    stored.countdownSeconds = 95;
    stored.topmost = 7;
    stored.registeredTimes = {10, 20, 30, 40, 50, 60, 70};
    CountdownSetup s;
    s.start(&stored);
    EXPECT_EQ(s.host.log.at(1), "place 300,200,500,260");
    EXPECT_TRUE(s.host.topmost);
    EXPECT_EQ(s.shown(), "0:01:35");
    EXPECT_FALSE(s.wakeDelay());
    EXPECT_TRUE(s.platform.text.heights.empty());
    EXPECT_EQ(s.options().registeredTimes, (std::vector<uint32_t>{10, 20, 30, 40, 50}));
    CountdownSetup damaged;
    damaged.platform.files.files[damaged.platform.services.settingsPath] = stored.storedBytes();
    damaged.platform.files.files.begin()->second.resize(120);
    damaged.start();
    EXPECT_EQ(damaged.options().registeredTimes, (std::vector<uint32_t>{10, 20, 30, 180, 600}));
}

// A stored window that touches no monitor is centred keeping its size; a
// size beyond what the platform takes is brought inside, an empty one is
// sized to its text.
TEST(StartUp, StoredPlaceOffEveryMonitorOrOfImpossibleSize) {
    struct Row { const char* name; Rect stored; std::vector<Rect> monitors; Rect expected; Rect workArea{0, 0, 1040, 800}; };
    const std::vector<Rect> one{{0, 0, 1024, 768}}, two{{0, 0, 1024, 768}, {-1280, 0, 0, 1024}};
    const std::vector<Rect> primaryRight{{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
    const Row table[] = {
        {"far right", {5000, 100, 5200, 160}, one, {420, 370, 620, 430}},
        {"touching the left edge from outside", {-200, 100, 0, 160}, one, {420, 370, 620, 430}},
        {"one pixel inside", {1023, 767, 1223, 827}, one, {1023, 767, 1223, 827}},
        {"secondary monitor left of the primary", {-1000, 100, -800, 160}, two, {-1000, 100, -800, 160}},
        {"unplugged secondary monitor", {-1000, 100, -800, 160}, one, {420, 370, 620, 430}},
        {"the platform knows no monitors", {5000, 100, 5200, 160}, {}, {5000, 100, 5200, 160}},
        {"wider than 2^31", {-2147483647 - 1, 0, 2147483647, 100}, one, {-15863, 350, 16904, 450}},
        {"negative size", {300, 200, 100, 100}, one, {300, 200, 356, 222}},
        {"no width", {300, 200, 300, 260}, one, {300, 200, 356, 222}},
        {"primary on the right", {5000, 100, 5200, 160}, primaryRight, {2780, 490, 2980, 550}, {1920, 0, 3840, 1040}},
    };
    for (const Row& row : table) {
        CountdownSettings stored;
        stored.windowRect = row.stored;
        stored.setFont(fakeTemplateFont());
        CountdownSetup s;
        s.platform.system.monitors = row.monitors;
        s.platform.system.workArea = row.workArea;
        s.start(&stored);
        EXPECT_EQ(s.host.rect, row.expected) << row.name;
    }
}

// A timeline on a loaded window at (100, 100), 200 x 80: D double click, C click,
// P/R left press/release, p/r right press/release, M<dx> drag, W<ms> wait,
// S<ms> pass without handling timers, K an early wake, N<s> set a duration,
// Z<w>,<h> resize, Q<0|1> the alarm-sound option, U<n> the tick count n ms
// before its wrap. Checks: =<text> in the snapshot, $<text> last painted,
// T<ms> the wake's delay ("-" none), B band, G running, A alarm, I inverted,
// O topmost (each 0 or 1), @<x>,<y> corner, ~<said> the last sound ("-" none,
// "_" for a space), #<n> sounds played and stopped, m<n> menus opened.
void play(CountdownSetup& s, const std::string& script) {
    std::istringstream in(script);
    for (std::string word; in >> word;) {
        const std::string arg = word.substr(1);
        int a = 0, b = 0;
        std::sscanf(arg.c_str(), "%d,%d", &a, &b);
        auto flag = [&](bool actual) { EXPECT_EQ(actual, a == 1) << "at " << word; };
        switch (word[0]) {
        case 'D': s.doubleClick(); break;
        case 'C': s.click(); break;
        case 'P': s.press(); break;
        case 'R': s.release(); break;
        case 'p': s.window->onRButtonDown(s.kAt); break;
        case 'r': s.window->onRButtonUp(s.kAt); break;
        case 'M': s.window->onMouseMove({s.kAt.x + a, s.kAt.y}); break;
        case 'W': s.advance(static_cast<uint32_t>(a)); break;
        case 'S': s.host.skip(static_cast<uint32_t>(a)); break;
        case 'K': s.window->onTimer(CountdownWindow::kWakeTimerId); break;
        case 'U': s.host.tickBase = 0u - static_cast<uint32_t>(a); break;
        case 'N': s.window->setCountdownDuration(a); break;
        case 'Z': s.host.resizeTo(a, b); break;
        case '=': EXPECT_EQ(s.shown(), arg) << "at " << word; break;
        case '$': EXPECT_EQ(s.host.texts.back(), arg) << "at " << word; break;
        case 'G': flag(s.running()); break;
        case 'B': flag(std::count_if(s.host.canvas.ops.begin(), s.host.canvas.ops.end(), [](const std::string& op) { return op.starts_with("fill"); }) == 2); break;
        case 'T': EXPECT_EQ(s.wakeDelay() ? std::to_string(*s.wakeDelay()) : "-", arg) << "at " << word; break;
        case 'A': flag(s.window->alarmActive()); break;
        case 'I': flag(s.window->inverted()); break;
        case 'O': flag(s.host.topmost); break;
        case '@': EXPECT_EQ((Point{s.host.rect.left, s.host.rect.top}), (Point{a, b})) << "at " << word; break;
        case 'Q': s.options().alarmSound = a; break;
        case '~': EXPECT_EQ(s.said().empty() ? "-" : s.said().back(), std::regex_replace(arg, std::regex("_"), " ")) << "at " << word; break;
        case '#': EXPECT_EQ(static_cast<int>(s.said().size()), a) << "at " << word; break;
        case 'm': EXPECT_EQ(static_cast<int>(s.platform.dialogs.menus.size()), a) << "at " << word; break;
        default: FAIL() << "unknown step " << word;
        }
    }
}

TEST(Countdown, Timelines) {
    struct Row { const char* name; int32_t seconds, autoStart, topmost, sound; const char* script; };
    const Row table[] = {
        {"double click starts, pauses and resumes", 60, 0, 0, 1, "D G1 B1 W10000 D G0 T- B0 =0:00:51 W5000 =0:00:51 D B1 W10000 =0:00:41"},
        {"the next second from any start: mid-tick, resumed, reset", 60, 0, 0, 1, "W300 D T1005 W1004 =0:01:00 W1 =0:00:59 T1000 W9300 D T- =0:00:50 W700 D T700 W699 =0:00:50 W1 =0:00:49 C C C W500 T- D T1005"},
        {"an early wake shows nothing new and waits for the rest", 60, 0, 0, 1, "D W1500 K =0:00:59 T505 W504 =0:00:59 W1 =0:00:58"},
        {"a stall catches up at its first wake", 60, 0, 0, 1, "D S3500 =0:01:00 W1 =0:00:57 T505"},
        {"triple click stops a running one at its full duration", 60, 0, 0, 1, "D W3000 C C C G0 $0:00:58 W500 G0 T- $0:01:00"},
        {"triple click on an idle one", 60, 0, 0, 1, "W3000 C C C G1 W500 G0 T- =0:01:00"},
        {"new duration with auto-start", 60, 1, 0, 1, "D W5000 N20 G1 T1005 =0:00:20"},
        {"new duration without auto-start", 60, 0, 0, 1, "D W5000 N20 G0 T- $0:00:20"},
        {"paused after zero before its wake: no alarm until resumed", 1, 0, 0, 1, "D W900 S100 D W5000 A0 =0:00:00 D T4 W3 A0 W1 A1"},
        {"expiry centres, raises, flashes, plays, counts up", 5, 0, 0, 1, "D W4005 =0:00:01 T999 W998 A0 ~- W1 A1 =0:00:00 @420,360 O1 I1 ~play_NotifySound.wav W899 I1 W1 I0 W900 I1 W63200 =0:01:05"},
        {"an early wake at zero starts the alarm, across the tick count's wrap", 5, 0, 0, 1, "U6500 D W5000 K A1 W900 I0 W104 I0 =0:00:01 W795 I0 W1 I1 W204 =0:00:02"},
        {"a stall in the alarm: one flash, the rhythm goes on from there", 1, 0, 0, 1, "D W1004 A1 S1796 W1 I0 =0:00:01 T204 W898 I0 W1 I1"},
        {"left press ends it where it was, with today's size", 5, 0, 0, 1, "D W5900 Z260,100 P A0 I0 @100,100 O0 T- ~stop $0:00:05 R G0 D G1"},
        {"right press ends it and its release opens the menu", 5, 0, 1, 1, "D W5004 p A0 O1 m0 r m1 =0:00:05"},
        {"no sound: none played, none stopped", 5, 0, 0, 0, "D W5004 A1 ~- Q1 P A0 ~-"},
        {"a started sound stops whatever the option says", 5, 0, 0, 1, "D W5004 Q0 P ~stop"},
        {"a second alarm without its sound stops none", 5, 0, 0, 1, "D W5004 P R Q0 D W5004 A1 P A0 #2"},
        {"a new duration keeps the alarm flashing", 5, 0, 0, 1, "D W5004 N30 A1 T900 W896 K I0 T904 P A0 =0:00:30"},
        {"a drag goes on from the centre", 5, 0, 0, 1, "D W4900 P M10 @110,100 W104 A1 @420,360 M12 @432,360 R W500 A1 G1"},
        {"a click sequence before expiry is dropped", 5, 0, 0, 1, "D W4800 C W204 A1 W500 A1 G1"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        CountdownSetup s;
        s.startLoaded(row.seconds, row.topmost, row.sound);
        s.options().autoStart = row.autoStart;
        play(s, row.script);
    }
}

// Every wake changes the screen: each second once, then in the alarm the
// count-up and the flashes, which share the wake where they meet (9 s in).
// A wake with nothing new does not repaint.
TEST(Countdown, WakesOnlyToChangeTheScreen) {
    CountdownSetup s;
    s.startLoaded(3);
    s.doubleClick();
    const int fired = s.host.fired, redraws = s.host.redraws;
    s.advance(3004 + 9000);
    EXPECT_EQ(s.host.fired - fired, 1 + 3 + 9 + 10 - 1);  // the click timer, 3 s, the alarm's 9 s
    s.window->onTimer(CountdownWindow::kWakeTimerId);      // early: nothing new to paint
    EXPECT_EQ(s.host.redraws - redraws, 3 + 9 + 10 - 1);
    EXPECT_EQ(s.shown(), "0:00:09");
    EXPECT_TRUE(s.window->inverted());
}

// The alarm sound and the help file are taken from the current directory,
// else from beside the program.
TEST(Countdown, ShippedFilesAreFoundWhereTheyAre) {
    for (const std::string dir : {"", "/exe/"}) {
        CountdownSetup s;
        for (const std::string& where : {dir, std::string("/exe/")})
            s.platform.files.files[where + "NotifySound.wav"] = s.platform.files.files[where + "Readme.txt"] = {1};
        s.startLoaded(1);
        s.doubleClick();
        s.advance(1004);
        EXPECT_EQ(s.said().back(), "play " + dir + "NotifySound.wav");
        s.command(kCmdHelp);
        EXPECT_EQ(s.said().back(), "open " + dir + "Readme.txt");
    }
}

// The duration, not the time left, and the place are saved at Exit; during
// the alarm the place before it, with today's size. Enter and Escape do
// nothing; a log-off saves unless the platform says no.
TEST(Persistence, ExitAndLogOffSave) {
    for (bool alarm : {false, true}) {
        CountdownSetup s;
        s.startLoaded(5);
        s.doubleClick();
        s.advance(alarm ? 6000 : 3000);
        s.host.resizeTo(300, 90);
        if (!alarm) s.host.moveTo(-50, 40);
        s.window->onOk();
        s.window->onCancel();
        EXPECT_FALSE(s.window->onQueryEndSession(false));
        EXPECT_EQ(s.platform.files.writes, 0);
        EXPECT_FALSE(s.host.endResult);
        s.command(kCmdExit);
        EXPECT_EQ(s.host.endResult, 1);
        CountdownSetup next;
        next.platform.files = s.platform.files;
        next.start();
        EXPECT_EQ(next.host.rect, alarm ? (Rect{100, 100, 400, 190}) : (Rect{-50, 40, 250, 130}));
        EXPECT_EQ(next.shown(), "0:00:05");
    }
}

// A save with nowhere to go is told at Exit, naming the file, and not during a
// log-off, when nobody may be there to answer; an unreadable file at start.
TEST(Persistence, UnreadableFileAndFailedSaveAreTold) {
    auto box = [](const std::string& path, std::string_view ending) {
        return std::vector<std::string>{"box 設定ファイル「" + path + std::string(ending) + "|Quillastorカウントダウンタイマー|48"};
    };
    CountdownSetup s, unreadable;
    s.platform.files.refused = {"/exe/timer.dat"};
    s.start();
    EXPECT_TRUE(s.window->onQueryEndSession(true));
    EXPECT_TRUE(s.said().empty() && s.platform.files.writes == 1);  // tried, nothing said
    s.command(kCmdExit);
    EXPECT_EQ(s.said(), box("/exe/timer.dat", "」に書き込めませんでした。\n設定は保存されていません。"));
    EXPECT_EQ(s.platform.files.created, std::set<std::string>{"/exe"});  // a missing folder is made first
    unreadable.platform.files.unreadable = {"/exe/timer.dat"};
    unreadable.start();
    unreadable.command(kCmdExit);  // and never written over
    EXPECT_EQ(unreadable.said(), box("/exe/timer.dat", 
        "」を読み込めませんでした。\n初期設定で起動します。このファイルは上書きしないため、今回の設定は保存されません。"));
    EXPECT_EQ(unreadable.platform.files.writes, 0);
}

}  // namespace
