// The command table: every id reaches its action; the option toggles, exit,
// the shipped files; commands chosen after the countdown expired under the
// open menu.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "countdown_setup.h"

namespace {

struct CommandTableTest : ::testing::Test, CountdownSetup {
    void SetUp() override {
        start();  // first run: 180 s, auto-start on, 3分/10分/1時間
        host->clearLog();
    }
    void addFiles(const std::vector<std::string>& paths) {
        platform.files.files.clear();
        for (const std::string& path : paths) platform.files.files[path] = {};
    }
    // The settings file as written (read once per test).
    const CountdownSettings& saved() {
        EXPECT_TRUE(savedSettings.load(platform.files, platform.services().settingsPath));
        return savedSettings;
    }
    CountdownSettings savedSettings;
};

TEST_F(CommandTableTest, EveryIdReachesItsAction) {
    auto& options = window->countdownSettings();
    const std::vector<std::pair<uint32_t, std::function<bool()>>> cases = {
        {kCmdTopmost, [&] { return options.topmost == 1 && host->topmost; }},
        {kCmdFont, [&] { return platform.commonDialogs.fontCalls.size() == 1; }},
        {kCmdBackColor, [&] { return platform.commonDialogs.colorCalls.size() == 1; }},
        {kCmdUnderline, [&] { return options.underline == 0; }},
        {kCmdAutoFit, [&] { return options.autoFit == 0; }},
        {kCmdAlarmSound, [&] { return options.alarmSound == 0; }},
        {kCmdAutoStart, [&] { return options.autoStart == 0; }},
        {kCmdRegisteredTime3, [&] { return window->countdown().duration() == 3600; }},
        {kCmdStartStop, [&] { return window->countdown().isRunning(); }},
        {kCmdReset, [&] { return !window->countdown().isRunning() && shown() == "1:00:00"; }},
        {kCmdSetTime, [&] { return platform.dialogs.setTimeRuns == 1; }},
        {kCmdRegisterTimes, [&] { return platform.dialogs.registeredTimesRuns == 1; }},
        {kCmdHelp, [&] { return platform.messages.shown.size() == 1; }},
        {kCmdExit, [&] { return host->endResult == 1; }},
    };
    for (const auto& [id, done] : cases) {
        window->onCommand(id);
        EXPECT_TRUE(done()) << id;
    }
}

TEST_F(CommandTableTest, IdsWithoutAnEntryDoNothing) {
    window->onCommand(kCmdRegisteredTime4);
    window->onCommand(kCmdRegisteredTime5);
    window->onCommand(40000);
    EXPECT_EQ(window->countdown().duration(), 180);
    EXPECT_TRUE(host->log.empty());
}

TEST_F(CommandTableTest, TogglesStoreOneOrZero) {
    auto& options = window->countdownSettings();
    const std::pair<uint32_t, int32_t*> cases[] = {
        {kCmdTopmost, &options.topmost}, {kCmdAlarmSound, &options.alarmSound}, {kCmdAutoStart, &options.autoStart}};
    for (const auto& [id, option] : cases) {
        *option = 5;  // from a settings file written elsewhere
        window->onCommand(id);
        EXPECT_EQ(*option, 0) << id;
        window->onCommand(id);
        EXPECT_EQ(*option, 1) << id;
    }
    EXPECT_EQ(host->log, (std::vector<std::string>{"topmost 0", "topmost 1"}));  // applied at once
}

TEST_F(CommandTableTest, SoundAndAutoStartTogglesActOnlyLater) {
    window->onCommand(kCmdAlarmSound);
    window->onCommand(kCmdAutoStart);
    EXPECT_TRUE(sounds().empty());
    EXPECT_TRUE(host->log.empty());
    window->onCommand(kCmdRegisteredTime1);
    EXPECT_FALSE(window->countdown().isRunning());
}

TEST_F(CommandTableTest, ExitSavesTheDurationAndEndsTheRun) {
    window->onCommand(kCmdRegisteredTime2);
    advance(5000);
    window->onCommand(kCmdExit);
    EXPECT_EQ(host->endResult, 1);
    EXPECT_EQ(saved().countdownSeconds, 600);  // not what was left
}

// Help and the alarm sound look in the current directory, then beside the
// executable (/fake/exe).
TEST_F(CommandTableTest, HelpOpensTheFileWhereItIsFound) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"Readme.txt"}, "Readme.txt"},
        {{"/fake/exe/Readme.txt"}, "/fake/exe/Readme.txt"},
        {{"Readme.txt", "/fake/exe/Readme.txt"}, "Readme.txt"},
    };
    for (const auto& [present, opened] : cases) {
        addFiles(present);
        platform.shell.opened.clear();
        window->onCommand(kCmdHelp);
        EXPECT_EQ(platform.shell.opened, std::vector<std::string>{opened});
    }
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(CommandTableTest, MissingHelpIsReportedWithTheProductName) {
    window->onCommand(kCmdHelp);
    EXPECT_TRUE(platform.shell.opened.empty());
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text, "Readme.txt が見つかりません。");
    EXPECT_EQ(platform.messages.shown[0].caption, std::optional<std::string>("Quillastorカウントダウンタイマー"));
    EXPECT_EQ(platform.messages.shown[0].style, 0x30u);
}

TEST_F(CommandTableTest, AlarmSoundIsFoundBesideTheExecutable) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"NotifySound.wav", "/fake/exe/NotifySound.wav"}, "play NotifySound.wav"},
        {{"/fake/exe/NotifySound.wav"}, "play /fake/exe/NotifySound.wav"},
        {{}, "play NotifySound.wav"},  // the sound service decides what is heard
    };
    window->countdownSettings().registeredTimes = {1};
    for (const auto& [present, played] : cases) {
        addFiles(present);
        platform.sound.events.clear();
        window->onCommand(kCmdRegisteredTime1);
        advance(1100);
        EXPECT_EQ(sounds(), std::vector<std::string>{played});
        press();  // dismiss
    }
}

// The menu opens on a running 3-minute countdown that expires under it.
struct ExpiryUnderMenuTest : CommandTableTest {
    void chooseAfterExpiry(uint32_t id) {
        window->onCommand(kCmdRegisteredTime1);
        platform.menus.whileOpen = [&] { advance(181'000); };
        platform.menus.choice = id;
        window->showContextMenu(10, 10);
        ASSERT_TRUE(window->alarmActive());
    }
};

TEST_F(ExpiryUnderMenuTest, MenuShowsTheStateAtOpening) {
    chooseAfterExpiry(kCmdAlarmSound);
    EXPECT_EQ(platform.menus.shown.back().items.at(5).caption, "ストップ(左ダブルクリック)");
    EXPECT_EQ(window->countdownSettings().alarmSound, 0);
}

TEST_F(ExpiryUnderMenuTest, StartStopPausesTheAlarmingCountdown) {
    chooseAfterExpiry(kCmdStartStop);
    EXPECT_TRUE(window->alarmActive());
    EXPECT_FALSE(window->countdown().isRunning());
    EXPECT_FALSE(tickRunning());
    EXPECT_TRUE(flashRunning());
}

TEST_F(ExpiryUnderMenuTest, RegisteredTimeRestartsTheClockButKeepsTheAlarm) {
    chooseAfterExpiry(kCmdRegisteredTime2);
    EXPECT_TRUE(window->alarmActive());
    EXPECT_TRUE(window->countdown().isRunning());
    EXPECT_EQ(shown(), "0:10:00");
    EXPECT_TRUE(flashRunning());
}

TEST_F(ExpiryUnderMenuTest, ExitSavesThePreAlarmCorner) {
    host->moveTo(10, 10);
    const Rect before = host->rect;
    chooseAfterExpiry(kCmdExit);
    EXPECT_NE(host->rect, before);  // centred by the alarm
    EXPECT_EQ(saved().windowRect, before);
    EXPECT_EQ(host->endResult, 1);
}

}  // namespace
