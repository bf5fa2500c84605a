// The command table: every id reaches its action; the option toggles, exit,
// help and the shipped files; commands chosen after the countdown expired
// under the open menu.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "countdown/countdown_window.h"
#include "fake/fake_platform.h"
#include "settings/countdown_settings.h"

namespace {

class CommandTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.createStateObjects();
        host->attach(window);
        window.onInitDialog();  // first run: 180 s, auto-start on, 3分/10分/1時間
        host->clearLog();
    }

    FakePlatform platform;
    std::unique_ptr<FakeWindow> host = platform.makeWindow();
    CountdownWindow window{platform.services()};
};

TEST_F(CommandTableTest, EveryIdReachesItsAction) {
    struct Case {
        uint32_t id;
        std::function<bool()> done;
    };
    auto& options = window.countdownSettings();
    const std::vector<Case> cases = {
        {kCmdTopmost, [&] { return options.topmost == 1 && host->topmost; }},
        {kCmdFont, [&] { return platform.commonDialogs.fontCalls.size() == 1; }},
        {kCmdBackColor, [&] { return platform.commonDialogs.colorCalls.size() == 1; }},
        {kCmdUnderline, [&] { return options.underline == 0; }},
        {kCmdAutoFit, [&] { return options.autoFit == 0; }},
        {kCmdAlarmSound, [&] { return options.alarmSound == 0; }},
        {kCmdAutoStart, [&] { return options.autoStart == 0; }},
        {kCmdRegisteredTime3, [&] { return window.countdown().duration() == 3600; }},
        {kCmdStartStop, [&] { return window.countdown().isRunning(); }},
        {kCmdReset, [&] { return !window.countdown().isRunning() && window.displayState().text == "1:00:00"; }},
        {kCmdSetTime, [&] { return platform.dialogs.setTimeRuns == 1; }},
        {kCmdRegisterTimes, [&] { return platform.dialogs.registeredTimesRuns == 1; }},
        {kCmdHelp, [&] { return platform.messages.shown.size() == 1; }},
        {kCmdExit, [&] { return host->endResult == 1; }},
    };
    for (const Case& c : cases) {
        window.onCommand(c.id);
        EXPECT_TRUE(c.done()) << c.id;
    }
}

TEST_F(CommandTableTest, RegisteredTimeIdsBeyondTheListDoNothing) {
    window.onCommand(kCmdRegisteredTime4);
    window.onCommand(kCmdRegisteredTime5);
    window.onCommand(40000);
    EXPECT_EQ(window.countdown().duration(), 180);
    EXPECT_FALSE(window.countdown().isRunning());
    EXPECT_TRUE(host->log.empty());
}

TEST_F(CommandTableTest, TogglesStoreOneOrZero) {
    struct Case {
        uint32_t id;
        int32_t* option;
    };
    auto& options = window.countdownSettings();
    const Case cases[] = {
        {kCmdTopmost, &options.topmost},
        {kCmdAlarmSound, &options.alarmSound},
        {kCmdAutoStart, &options.autoStart},
    };
    for (const Case& c : cases) {
        *c.option = 5;  // loaded from a settings file written elsewhere
        window.onCommand(c.id);
        EXPECT_EQ(*c.option, 0) << c.id;
        window.onCommand(c.id);
        EXPECT_EQ(*c.option, 1) << c.id;
    }
}

TEST_F(CommandTableTest, TopmostIsAppliedAtOnce) {
    window.onCommand(kCmdTopmost);
    window.onCommand(kCmdTopmost);
    EXPECT_EQ(host->log, (std::vector<std::string>{"topmost 1", "topmost 0"}));
}

TEST_F(CommandTableTest, SoundAndAutoStartTogglesActOnlyLater) {
    window.onCommand(kCmdAlarmSound);
    window.onCommand(kCmdAutoStart);
    EXPECT_TRUE(platform.sound.events.empty());
    EXPECT_FALSE(window.countdown().isRunning());
    EXPECT_TRUE(host->log.empty());
    window.onCommand(kCmdRegisteredTime1);
    EXPECT_FALSE(window.countdown().isRunning());  // auto-start now off
}

TEST_F(CommandTableTest, ExitSavesTheSettingsAndEndsTheRun) {
    window.onCommand(kCmdRegisteredTime2);
    platform.advance(5000);
    window.onCommand(kCmdExit);
    EXPECT_EQ(host->endResult, 1);
    CountdownSettings saved;
    ASSERT_TRUE(saved.load(platform.files, platform.services().settingsPath));
    EXPECT_EQ(saved.countdownSeconds, 600);  // the duration, not what was left
    EXPECT_EQ(saved.windowRect, host->rect);
}

TEST_F(CommandTableTest, HelpOpensTheFileWhereItIsFound) {
    struct Case {
        std::vector<std::string> present;
        std::string opened;
    };
    const std::vector<Case> cases = {
        {{"Readme.txt"}, "Readme.txt"},
        {{"/fake/exe/Readme.txt"}, "/fake/exe/Readme.txt"},
        {{"Readme.txt", "/fake/exe/Readme.txt"}, "Readme.txt"},
    };
    for (const Case& c : cases) {
        platform.files.files.clear();
        platform.shell.opened.clear();
        for (const std::string& path : c.present) platform.files.files[path] = {};
        window.onCommand(kCmdHelp);
        EXPECT_EQ(platform.shell.opened, std::vector<std::string>{c.opened});
    }
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(CommandTableTest, MissingHelpIsReportedWithTheProductName) {
    window.onCommand(kCmdHelp);
    EXPECT_TRUE(platform.shell.opened.empty());
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    const ShownMessage& shown = platform.messages.shown.front();
    EXPECT_EQ(shown.text, "Readme.txt が見つかりません。");
    EXPECT_EQ(shown.caption, std::optional<std::string>("Quillastorカウントダウンタイマー"));
    EXPECT_EQ(shown.style, 0x30u);
}

TEST_F(CommandTableTest, AlarmSoundIsFoundBesideTheExecutable) {
    struct Case {
        std::vector<std::string> present;
        std::string played;
    };
    const std::vector<Case> cases = {
        {{"NotifySound.wav", "/fake/exe/NotifySound.wav"}, "play NotifySound.wav"},
        {{"/fake/exe/NotifySound.wav"}, "play /fake/exe/NotifySound.wav"},
        {{}, "play NotifySound.wav"},  // the sound service decides what is heard
    };
    window.countdownSettings().registeredTimes = {1};
    for (const Case& c : cases) {
        platform.files.files.clear();
        platform.sound.events.clear();
        for (const std::string& path : c.present) platform.files.files[path] = {};
        window.onCommand(kCmdRegisteredTime1);
        platform.advance(1100);
        ASSERT_TRUE(window.alarmActive());
        EXPECT_EQ(platform.sound.events, std::vector<std::string>{c.played});
        window.onLButtonDown({5, 5});  // dismiss
    }
}

// The menu opened on a running countdown; it expires while the menu is open.
class ExpiryUnderMenuTest : public CommandTableTest {
protected:
    void chooseAfterExpiry(uint32_t id) {
        window.onCommand(kCmdRegisteredTime1);  // 180 s, auto-started
        platform.menus.whileOpen = [&] { platform.advance(181'000); };
        platform.menus.choice = id;
        window.showContextMenu(10, 10);
    }
};

TEST_F(ExpiryUnderMenuTest, MenuShowsTheStateAtOpening) {
    chooseAfterExpiry(kCmdAlarmSound);
    EXPECT_EQ(platform.menus.shown.back().items[5].caption, "ストップ(左ダブルクリック)");
    EXPECT_TRUE(window.alarmActive());
    EXPECT_EQ(window.countdownSettings().alarmSound, 0);
}

TEST_F(ExpiryUnderMenuTest, StartStopPausesTheAlarmingCountdown) {
    chooseAfterExpiry(kCmdStartStop);
    EXPECT_TRUE(window.alarmActive());
    EXPECT_FALSE(window.countdown().isRunning());
    EXPECT_FALSE(host->timerRunning(CountdownWindow::kTickTimerId));
    EXPECT_TRUE(host->timerRunning(CountdownWindow::kFlashTimerId));
}

TEST_F(ExpiryUnderMenuTest, RegisteredTimeRestartsTheClockButKeepsTheAlarm) {
    chooseAfterExpiry(kCmdRegisteredTime2);
    EXPECT_TRUE(window.alarmActive());
    EXPECT_EQ(window.countdown().duration(), 600);
    EXPECT_TRUE(window.countdown().isRunning());
    EXPECT_EQ(window.displayState().text, "0:10:00");
    EXPECT_TRUE(host->timerRunning(CountdownWindow::kFlashTimerId));
}

TEST_F(ExpiryUnderMenuTest, ExitSavesThePreAlarmCorner) {
    host->moveTo(10, 10);
    const Rect before = host->rect;
    chooseAfterExpiry(kCmdExit);
    EXPECT_NE(host->rect, before);  // centred by the alarm
    CountdownSettings saved;
    ASSERT_TRUE(saved.load(platform.files, platform.services().settingsPath));
    EXPECT_EQ(saved.windowRect, before);
    EXPECT_EQ(host->endResult, 1);
}

}  // namespace
