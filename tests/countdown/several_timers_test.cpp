// Several timers at once: which file each holds, which names they may have,
// where a new one opens, and what a second start of a named one hands over.
#include <gtest/gtest.h>

#include "countdown/countdown_setup.h"
#include "countdown/forwarded_time.h"
#include "countdown/timer_app.h"
#include "countdown/timer_launch.h"
#include "countdown/timer_name.h"
#include "fake/fake_platform.h"
#include "settings/timer_slot.h"
#include "window/beside_timers.h"

// Each file lies where the location rule puts it, held by its canonical path: "/exe"
// may take no file, "/u" is the user's folder, "/link/exe" is "/exe" spelled anew.
TEST(SeveralTimers, EachTimerHoldsTheFileItWrites) {
    struct Row { const char* name; bool closed; std::set<std::string> present, heldElsewhere; std::optional<std::string> timerName;
                 const char* path; bool held; const char* starting; const char* program = "/exe"; const char* key = nullptr; };
    const Row table[] = {
        {"main free", false, {}, {}, {}, "/exe/Q.dat", true, ""},
        {"a fresh copy: beside, whatever the user's folder holds", false, {"/u/Q.dat"}, {}, {}, "/exe/Q.dat", true, ""},
        {"main held", false, {}, {"/exe/Q.dat"}, {}, "/exe/Q-2.dat", true, "/exe/Q.dat"},
        {"a gap at 3", false, {}, {"/exe/Q.dat", "/exe/Q-2.dat", "/exe/Q-4.dat"}, {}, "/exe/Q-3.dat", true, "/exe/Q.dat"},
        {"only 2 held", false, {}, {"/exe/Q-2.dat"}, {}, "/exe/Q.dat", true, ""},
        {"named, free", false, {}, {"/exe/Q.dat"}, "tea", "/exe/Q-tea.dat", true, "/exe/Q.dat"},
        {"named, running", false, {}, {"/exe/Q-tea.dat"}, "tea", "/exe/Q-tea.dat", false, "/exe/Q.dat"},
        {"no file may be added: the user's", true, {}, {}, {}, "/u/Q.dat", true, ""},
        {"held in the user's folder", true, {}, {"/u/Q.dat"}, {}, "/u/Q-2.dat", true, "/u/Q.dat"},
        {"a named timer in the user's folder", true, {}, {}, "tea", "/u/Q-tea.dat", true, "/u/Q.dat"},
        {"the main file beside, the next in the user's", true, {"/exe/Q.dat"}, {"/exe/Q.dat"}, {}, "/u/Q-2.dat", true, "/exe/Q.dat"},
        {"a named file beside", true, {"/exe/Q-tea.dat"}, {}, "tea", "/exe/Q-tea.dat", true, "/u/Q.dat"},
        {"one folder, another spelling", false, {}, {"/exe/Q.dat"}, {}, "/link/exe/Q-2.dat", true, "/link/exe/Q.dat", "/link/exe", "/exe/Q-2.dat"},
    };
    for (const Row& row : table) {
        FakeFileStore files;
        if (row.closed) files.closedFolders = {"/exe"};
        for (const std::string& path : row.present) files.files[path] = {1};
        files.spellings = {{"/link/exe", "/exe"}};
        FakeInstances instances;
        instances.held = row.heldElsewhere;
        const TimerSlot slot = claimSlot(instances, files, {row.program, "/u"}, "Q.dat", row.timerName);
        EXPECT_EQ(slot.path + " " + slot.key, std::string(row.path) + " " + (row.key ? row.key : row.path)) << row.name;
        EXPECT_EQ(slot.hold != nullptr, row.held) << row.name;
        EXPECT_EQ(slot.startingPath, row.starting) << row.name;
    }
}

TEST(SeveralTimers, Names) {
    const std::string longest(kLongestTimerName, 'a');
    const std::string longestKana = [] { std::string s; for (int i = 0; i < 32; ++i) s += "お"; return s; }();
    struct Row { std::string name; bool valid; };
    const Row table[] = {
        {"tea", true}, {"お茶", true}, {"Tee_2-b", true}, {"Ж9é", true}, {"2", true}, {longest, true},
        {longestKana, true}, {"𠮷野", true}, {"µक", true},
        {"", false}, {longest + "a", false}, {longestKana + "お", false},
        {"tea time", false}, {"a/b", false}, {"a\\b", false}, {"..", false}, {"a.b", false}, {"a:b", false},
        {"a*", false}, {"お茶。", false}, {"お　茶", false}, {"a\tb", false}, {"☕", false}, {"🍵", false},
        {"\xE3\x81", false}, {"\xC0\xAF", false}, {"\xED\xA0\x80", false}, {"\xFF", false}, {"\xF8\x90\x80\x80", false}, {"\xE0\x81\x81", false},
        {std::string("a\0b", 3), false},
    };
    for (const Row& row : table) EXPECT_EQ(isValidTimerName(row.name), row.valid) << row.name;
}

// 8 px apart, or a wider frame's width; within a work area, to its very edge.
TEST(SeveralTimers, ANewTimerOpensWhereItHidesNone) {
    struct Row { const char* name; std::vector<Rect> timers; std::optional<Point> expected; };
    const std::vector<Rect> monitors{{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    const Row table[] = {
        {"none running", {}, std::nullopt},
        {"below the only one", {{100, 100, 300, 160}}, Point{100, 168}},
        {"below the lowest of two", {{100, 100, 300, 160}, {500, 300, 700, 360}}, Point{500, 368}},
        {"above at the bottom edge", {{100, 700, 300, 760}}, Point{100, 632}},
        {"above the highest when the lowest is at the edge", {{100, 400, 300, 460}, {100, 700, 300, 760}}, Point{100, 332}},
        {"right when the column is full", {{100, 0, 300, 384}, {100, 384, 300, 768}}, Point{308, 0}},
        {"onto the next monitor", {{0, 0, 1024, 768}}, Point{1032, 0}},
        {"nowhere", {{0, 0, 2048, 768}}, std::nullopt},
        {"at the bottom edge", {{100, 100, 300, 700}}, Point{100, 708}},
        {"at the top edge", {{100, 68, 300, 768}}, Point{100, 0}},
        {"at the right edge", {{100, 0, 816, 768}}, Point{824, 0}},
        {"at the left edge", {{208, 0, 2048, 768}}, Point{0, 0}},
    };
    for (const Row& row : table) EXPECT_EQ(placeBesideTimers({200, 60}, {8, 8}, row.timers, monitors), row.expected) << row.name;
    EXPECT_TRUE(gapBetweenTimers({4, 4}) == (Size{8, 8}) && gapBetweenTimers({12, 9}) == (Size{12, 9}));
}

TEST(SeveralTimers, ASecondStartHandsOverItsTime) {
    struct Row { std::optional<StartTime> time; };
    const Row table[] = {{std::nullopt}, {StartTime{300, false}}, {StartTime{1, false}}, {StartTime{359999, false}},
                         {StartTime{0, true}}, {StartTime{86340, true}}};
    for (const Row& row : table) EXPECT_EQ(decodeForwardedTime(encodeForwardedTime({row.time})), ForwardedTime{row.time});
    for (const std::string junk : {"", "raise", "QuillastorTimer/2 raise", "/1 ", "/1 duration 0", "/1 duration 360000",
                                   "/1 duration -5", "/1 duration 5x", "/1 at 86400", "/1 duration 99999999999", "/1 raise ",
                                   "/1 duration 0007", "/1 at 00", "/1 duration +5", "/1 duration  5", "/1 at -60"})
        EXPECT_FALSE(decodeForwardedTime(junk[0] == '/' ? "QuillastorTimer" + junk : junk).has_value()) << junk;
}

TEST(SeveralTimers, ASecondStartOfANamedTimerForwardsAndEnds) {
    struct Row { const char* name; std::optional<std::string> timerName; bool teaRuns; bool peerGone;
                 TimerLaunch::Outcome outcome; std::vector<std::string> sent; };
    const std::string tea = "/exe/QuillastorTimer-tea.dat", message = tea + " QuillastorTimer/1 duration 300";
    using O = TimerLaunch::Outcome;
    const Row table[] = {
        {"first start", "tea", false, false, O::Run, {}},
        {"second start", "tea", true, false, O::Forwarded, {message}},
        {"running but deaf", "tea", true, true, O::Failed, {message, message, message}},
        {"unnamed never forwards", std::nullopt, true, false, O::Run, {}},
    };
    for (const Row& row : table) {
        FakeInstances instances;
        if (row.teaRuns) instances.held.insert(tea);
        instances.peerGone = row.peerGone;
        FakeFileStore files;
        const TimerLaunch launch = launchTimer(instances, files, "/exe/QuillastorTimer.dat", "/u", row.timerName, StartTime{300, false},
                                               japaneseTexts());
        EXPECT_EQ(launch.outcome, row.outcome) << row.name;
        EXPECT_EQ(launch.exitStatus(), row.outcome == O::Failed ? 1 : 0) << row.name;
        EXPECT_EQ(instances.sent, row.sent) << row.name;
    }
}

// The time and name reach the window, title and tooltip; messages only while it runs.
TEST(SeveralTimers, ANamedTimerSaysItsName) {
    FakePlatform named;
    named.files.files["/exe/timer.dat"] = CountdownSettings().storedBytes();  // the time overrides a loaded one
    FakeInstances::Hold hold(named.instances.held, "tea");
    named.runner.session = [&](TimerWindow& window, FakeWindow& host) {
        EXPECT_EQ(window.displayState().text, "0:01:00");
        hold.receiver("QuillastorTimer/1 duration 300");
        EXPECT_EQ(window.displayState().text, "0:05:00");
        EXPECT_EQ(host.title, "お茶 - Quillastorカウントダウンタイマー");
        EXPECT_EQ(host.tooltip->substr(0, host.tooltip->find('\r')), "Quillastorカウントダウンタイマー Ver1.01 - お茶");
    };
    TimerApp().run(named.services, named.runner, {StartTime{60, false}, "お茶", &hold});
    EXPECT_FALSE(hold.receiver);
    CountdownSetup plain;
    plain.start();
    EXPECT_EQ(plain.host.title, "");
    EXPECT_EQ(plain.host.tooltip->substr(plain.host.tooltip->find('\r')), named.window.tooltip->substr(named.window.tooltip->find('\r')));
}

// A running timer given the time of a second start: to the front (keeping the
// alarm's topmost band), the time set as the set-time dialog's OK sets it.
TEST(SeveralTimers, TheRunningTimerTakesAForwardedTime) {
    struct Row { const char* name; bool alarm; const char* message; const char* shown; const char* topmost; bool running; };
    const Row table[] = {
        {"a duration", false, "QuillastorTimer/1 duration 300", "0:05:00", "topmost 0", true},
        {"a clock time", false, "QuillastorTimer/1 at 45000", "0:30:00", "topmost 0", true},
        {"no time", false, "QuillastorTimer/1 raise", "0:00:10", "topmost 0", false},
        {"during the alarm", true, "QuillastorTimer/1 duration 300", "0:05:00", "topmost 1", true},
        {"junk", false, "QuillastorTimer/1 duration 0", "0:00:10", "", false},
    };
    for (const Row& row : table) {
        CountdownSetup s;
        s.startLoaded(10);
        s.options().autoStart = 1;
        if (row.alarm) s.doubleClick(), s.advance(11000);
        ASSERT_EQ(s.window->alarmActive(), row.alarm) << row.name;
        s.host.log.clear();
        s.window->receiveMessage(row.message);
        EXPECT_EQ(s.shown(), row.shown) << row.name;
        EXPECT_EQ(s.host.log.empty() ? "" : s.host.log.front(), std::string(row.topmost)) << row.name;
        EXPECT_EQ(s.running(), row.running) << row.name;
        EXPECT_EQ(s.window->alarmActive(), row.alarm) << row.name;
    }
}

// A timer without a file of its own opens below the others; a further one
// starts from the main file's colours and presets. One with its own file, or
// alone, opens as before.
TEST(SeveralTimers, ATimerWithoutItsOwnFileOpensBesideTheOthers) {
    struct Row { const char* name; bool mainSlot; bool ownFile; bool ownUnreadable; std::vector<Rect> others;
                 Rect expected; ColorRef back; std::size_t presets; std::vector<Rect> areas{}; };
    const std::vector<Rect> one{{100, 100, 300, 180}};
    const Row table[] = {
        {"alone, first run: centred", true, false, false, {}, {492, 389, 548, 411}, 0xFF8080, 3},
        {"first run beside another", true, false, false, one, {100, 188, 156, 210}, 0xFF8080, 3},
        {"above when below is under the taskbar", true, false, false, {{100, 700, 300, 720}}, {100, 670, 156, 692}, 0xFF8080, 3, {{0, 0, 1024, 740}}},
        {"a new second one: the main file's colours", false, false, false, one, {100, 188, 300, 268}, 0x123456, 1},
        {"a second one with its own file", false, true, false, one, {500, 500, 700, 580}, 0x654321, 2},
        {"its own file unreadable: defaults", false, false, true, one, {100, 188, 156, 210}, 0xFF8080, 3},
    };
    for (const Row& row : table) {
        CountdownSetup s;
        s.platform.instances.others = row.others;
        s.platform.system.monitors = {{0, 0, 1024, 768}};
        s.platform.system.areas = row.areas;
        auto store = [&](const std::string& path, Rect rect, ColorRef back, std::vector<uint32_t> presets) {
            CountdownSettings stored;
            stored.windowRect = rect, stored.backColor = back, stored.registeredTimes = presets;
            stored.setFont(fakeTemplateFont());
            s.platform.files.files[path] = stored.storedBytes();
        };
        store("/exe/timer.dat", {100, 100, 300, 180}, 0x123456, {60});
        if (!row.mainSlot) {
            s.platform.services.settingsPath = "/exe/timer-2.dat";
            s.platform.services.startingSettingsPath = "/exe/timer.dat";
            if (row.ownFile) store("/exe/timer-2.dat", {500, 500, 700, 580}, 0x654321, {60, 120});
            if (row.ownUnreadable) s.platform.files.unreadable = {"/exe/timer-2.dat"};
        } else {
            s.platform.files.files.clear();
        }
        s.start();
        EXPECT_EQ(s.host.rect, row.expected) << row.name;
        EXPECT_EQ(s.options().backColor, row.back) << row.name;
        EXPECT_EQ(s.options().registeredTimes.size(), row.presets) << row.name;
    }
}
