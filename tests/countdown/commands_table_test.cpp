// The command table: every id reaches its action; the option toggles, help.
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

// Help looks in the current directory, then beside the executable (/fake/exe).
TEST_F(CommandTableTest, HelpOpensTheFileWhereItIsFoundOrSaysItIsMissing) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"Readme.txt"}, "Readme.txt"},
        {{"/fake/exe/Readme.txt"}, "/fake/exe/Readme.txt"},
        {{"Readme.txt", "/fake/exe/Readme.txt"}, "Readme.txt"},
    };
    for (const auto& [present, opened] : cases) {
        platform.files.files.clear();
        for (const std::string& path : present) platform.files.files[path] = {};
        platform.shell.opened.clear();
        window->onCommand(kCmdHelp);
        EXPECT_EQ(platform.shell.opened, std::vector<std::string>{opened});
    }
    EXPECT_TRUE(platform.messages.shown.empty());
    platform.files.files.clear();
    window->onCommand(kCmdHelp);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text, "Readme.txt が見つかりません。");
    EXPECT_EQ(platform.messages.shown[0].caption, std::optional<std::string>("Quillastorカウントダウンタイマー"));
    EXPECT_EQ(platform.messages.shown[0].style, 0x30u);
}

}  // namespace
