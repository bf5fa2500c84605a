// Keys in the timer window, the global hot keys, and what a screen reader
// reads and is told, on virtual time.
#include <gtest/gtest.h>

#include <cstring>

#include "countdown/countdown_setup.h"
#include "countdown/program_start.h"
#include "window/window_keys.h"

namespace {

KeyEvent key(Key k, bool shift = false, bool repeat = false, bool ctrl = false) { return {k, shift, ctrl, false, repeat}; }
const Key kR = letterKey('R'), kF10 = functionKey(10);

TEST(WindowKeys, WhatEachKeyDoes) {
    struct Row { KeyEvent key; bool alarm; uint32_t heldMs; KeyAction action; Point step; };
    using enum KeyAction;
    const Row table[] = {
        {key(Key::Space), false, 0, StartStop, {}},          {key(Key::Space, false, true), false, 0, None, {}},
        {key(Key::Space, false, false, true), false, 0, None, {}}, {key(kR, true), false, 0, Reset, {}},
        {key(kF10, true), false, 0, OpenMenu, {}},          {key(kF10), false, 0, None, {}},
        {key(Key::Menu), false, 0, OpenMenu, {}},           {key(Key::Left), false, 0, Move, {-1, 0}},
        {key(Key::Up, false, true), false, 0, Move, {0, -1}}, {key(Key::Down, true), false, 0, Move, {0, 10}},
        {key(Key::Right, true), false, 0, Move, {10, 0}},   {key(Key::Enter), false, 5000, None, {}},
        {key(Key::Escape), false, 5000, None, {}},          {key(Key::Space), true, 1000, EndAlarm, {}},
        {key(Key::Enter), true, 1000, EndAlarm, {}},        {key(Key::Escape, true), true, 8000, EndAlarm, {}},
        {key(Key::Space), true, 999, None, {}},             {key(Key::Enter, false, true), true, 8000, None, {}},
        {key(kR), true, 8000, None, {}},                    {key(Key::Left), true, 8000, None, {}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.key.key) << " alarm " << row.alarm << " " << row.heldMs);
        const KeyCommand command = keyCommand(row.key, row.alarm, row.heldMs);
        EXPECT_EQ(command.action, row.action);
        EXPECT_EQ(command.step, row.step);
    }
}

// A move stops where the window's centre would leave its monitor, at the
// last pixel inside it.
TEST(WindowKeys, MovesKeepTheCentreOnAMonitor) {
    struct Row { Rect window; Point step; Point corner; };
    const std::vector<Rect> monitors{{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    const Row table[] = {
        {{-95, 0, 105, 80}, {-10, 0}, {-100, 0}},    {{1940, 0, 2140, 80}, {10, 0}, {1947, 0}},
        {{0, 720, 200, 800}, {0, 10}, {0, 727}},     {{920, 0, 1120, 80}, {10, 0}, {930, 0}},
        {{0, -35, 200, 45}, {0, -10}, {0, -40}},
    };
    for (const Row& row : table) EXPECT_EQ(keyMoveTarget(row.window, row.step, monitors), row.corner);
}

// The keys on the window: start, reset, the menu at the corner, moves that
// stop where the window's centre would leave the screen, nothing closes it,
// and the alarm ends only a second after the window took the keyboard.
TEST(WindowKeys, OnTheCountdownWindow) {
    CountdownSetup s;
    s.startLoaded(3);
    s.window->onKeyboardFocus(true);
    s.window->onKeyDown(key(Key::Space));
    EXPECT_TRUE(s.running());
    s.advance(1500);
    s.window->onKeyDown(key(kR));
    EXPECT_EQ(s.running() || s.shown() != "0:00:03", false);
    for (int i = 0; i < 25; ++i) s.window->onKeyDown(key(Key::Left, true, i > 0));
    s.window->onKeyDown(key(Key::Down));
    EXPECT_EQ(s.host.windowRect(), (Rect{-100, 101, 100, 181}));
    for (Key k : {Key::Enter, Key::Escape}) s.window->onKeyDown(key(k));
    EXPECT_FALSE(s.host.endResult);
    s.platform.dialogs.menuChoice = kCmdStartStop;
    s.window->onKeyDown(key(kF10, true));
    EXPECT_TRUE(s.running() && s.platform.dialogs.menuByKey == std::vector<bool>{true});
    EXPECT_EQ(s.platform.dialogs.menuPoints.back(), (Point{-96, 105}));

    s.advance(3100);
    ASSERT_TRUE(s.window->alarmActive());
    s.window->onKeyboardFocus(false);
    s.window->onKeyboardFocus(true);  // the alarm took the keyboard from another window
    s.advance(900);
    s.window->onKeyDown(key(Key::Space));
    EXPECT_TRUE(s.window->alarmActive());
    s.advance(100);
    s.window->onKeyDown(key(Key::Enter, false, true));
    EXPECT_TRUE(s.window->alarmActive());
    s.window->onKeyDown(key(Key::Escape));
    EXPECT_FALSE(s.window->alarmActive() || s.host.endResult);
    EXPECT_EQ(s.host.windowRect().left, -100);
}

TEST(SpokenTime, InBothLanguages) {
    struct Row { SpokenState state; int32_t seconds; const char* english; const char* japanese; };
    using enum SpokenState;
    const Row table[] = {
        {Idle, 179, "2 minutes 59 seconds left, stopped", "残り 2分59秒、停止中"},
        {Running, 3661, "1 hour 1 minute 1 second left, running", "残り 1時間1分1秒、カウント中"},
        {Paused, 7205, "2 hours 5 seconds left, stopped", "残り 2時間5秒、停止中"},
        {Running, 180, "3 minutes left, running", "残り 3分、カウント中"},
        {Idle, 0, "0 seconds left, stopped", "残り 0秒、停止中"},
        {Alarm, 0, "Time is up", "時間です。"},
        {Alarm, 12, "Time is up, 12 seconds ago", "時間です。経過 12秒"},
        {Alarm, 3600, "Time is up, 1 hour ago", "時間です。経過 1時間"},
    };
    for (const Row& row : table) {
        EXPECT_EQ(spokenTime({row.state, 180, row.seconds}, Texts()), row.english);
        EXPECT_EQ(spokenTime({row.state, 180, row.seconds}, japaneseTexts()), row.japanese);
    }
}

// Asked at any moment, the window answers with the time of that moment.
TEST(SpokenTime, TheWindowAnswersNow) {
    CountdownSetup s;
    s.startLoaded(180);
    s.window->setTimerName("お茶");
    EXPECT_EQ(s.window->windowTitle(), "お茶 - Quillastorカウントダウンタイマー");
    s.doubleClick();
    s.host.skip(1500);  // no wake came: the reader still gets the time of now
    EXPECT_EQ(s.window->accessibleValue(), "残り 2分59秒、カウント中");
}

// A reader is told at each change of state or duration and each whole
// minute of counting, never once a second; the alarm is announced.
TEST(SpokenTime, WhenTheReaderIsTold) {
    CountdownSetup s;
    s.startLoaded(180);
    std::vector<std::string>& spoken = s.host.spoken;
    s.window->onKeyDown(key(Key::Space));
    s.advance(245000);
    s.window->onKeyboardFocus(true);
    s.advance(1000);
    s.window->onKeyDown(key(Key::Space));
    EXPECT_EQ(spoken, (std::vector<std::string>{"value at 0", "value at 60005", "value at 120005", "time up at 180004",
                                                "value at 240004", "value at 246000"}));
    spoken.clear();
    s.doubleClick();     // start
    s.advance(5000);     // nothing a second
    s.doubleClick();     // stop
    s.command(kCmdReset);
    s.command(kCmdReset);                // nothing changed
    s.window->setCountdownDuration(600);  // started at once
    EXPECT_EQ(spoken, (std::vector<std::string>{"value at 246000", "value at 251000", "value at 251000", "value at 251000"}));
}

struct FakeHotKeys : HotKeys {
    bool add(const HotKey& key, HotKeyAction action) override { return added.push_back({key, action}), key.key != taken; }
    void setReceiver(std::function<void(HotKeyAction)>) override {}
    std::vector<std::pair<HotKey, HotKeyAction>> added;
    Key taken = Key::None;
};

// From the options file: the defaults, a key turned off, a value it does not
// take (the default, named once), and a key another program holds.
TEST(HotKeys, ChosenRegisteredAndTold) {
    struct Row { const char* file; std::vector<HotKey> keys; const char* warning; };
    const HotKey startStop{Key::Space, true, true, true}, show{letterKey('T'), true, true, true};
    const Row table[] = {
        {"", {startStop, show}, ""},
        {"hotkey_show=\nhotkey_start_stop= alt + f9 ", {{functionKey(9), false, false, true}}, ""},
        {"hotkey_show=ctrl+F24\nhotkey_start_stop=Ctrl+7", {{letterKey('7'), false, true}, {functionKey(24), false, true}}, ""},
        {"hotkey_start_stop=Shift+Space", {startStop, show},
         "/exe/timer.ini: hotkey_start_stop=Shift+Space is not a value this timer knows; it uses hotkey_start_stop=Ctrl+Alt+Shift+Space."},
        {"hotkey_show=Ctrl+Ctrl+T\nhotkey_start_stop=Ctrl+Alt+F25", {startStop, show}, "2"},
        {"hotkey_show=Ctrl+Alt+Tab\nhotkey_start_stop=Ctrl+Alt+F0", {startStop, show}, "2"},
        {"hotkey_show=Ctrl+Alt+\nhotkey_start_stop=Ctrl+Win+S", {startStop, show}, "2"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.file);
        FakeFileStore files;
        files.files["/exe/timer.ini"] = std::vector<uint8_t>(row.file, row.file + strlen(row.file));
        ProgramOptions options(files, {"/exe", "/home/Q"}, "timer.ini");
        const std::vector<std::string> english{"en-US"};
        const ProgramStart start = startProgram({}, options, english);
        std::vector<HotKey> keys;
        for (const HotKeyChoice& choice : start.hotKeys) keys.push_back(choice.key);
        EXPECT_EQ(keys, row.keys);
        if (std::strlen(row.warning) == 1)
            EXPECT_EQ(start.warnings.size(), 2u);
        else
            EXPECT_EQ(start.warnings, *row.warning ? std::vector<std::string>{row.warning} : std::vector<std::string>{});
    }
    FakeFileStore files;
    ProgramOptions options(files, {"/exe", "/home/Q"}, "timer.ini");
    FakeHotKeys platform;
    platform.taken = Key::Space;
    EXPECT_EQ(registerHotKeys(platform, startProgram({}, options, {}).hotKeys, japaneseTexts()), std::vector<std::string>{"ホットキー Ctrl+Alt+Shift+Space を登録できませんでした（他のプログラムが使っているか、デスクトップが対応していません）。このキーなしで動きます。"});
    EXPECT_EQ(platform.added.size(), 2u);
}

// Start/stop toggles, and ends the alarm as a click would; show brings the
// window forward.
TEST(HotKeys, ActOnTheWindow) {
    CountdownSetup s;
    s.startLoaded(2);
    s.window->onHotKey(HotKeyAction::StartStop);
    EXPECT_TRUE(s.running());
    s.advance(2100);
    s.window->onHotKey(HotKeyAction::Show);
    EXPECT_TRUE(s.window->alarmActive() && s.host.log.back() == "forward");
    s.window->onHotKey(HotKeyAction::StartStop);
    EXPECT_FALSE(s.window->alarmActive() || s.running());
    EXPECT_EQ(s.host.windowRect(), (Rect{100, 100, 300, 180}));
}

}  // namespace
