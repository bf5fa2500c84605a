// The context menu as it opens and the command table behind it.
#include <gtest/gtest.h>

#include <functional>

#include "countdown_setup.h"

namespace {

// A menu as one line per item: "id caption", "✓" for a check, "-" for a
// separator, submenu items indented.
std::vector<std::string> lines(const std::vector<MenuItem>& items, const std::string& indent = "") {
    std::vector<std::string> out;
    for (const MenuItem& item : items) {
        const bool separator = item.kind == MenuItem::Kind::Separator;
        out.push_back(indent + (separator ? "-" : std::to_string(item.id) + " " + item.caption + (item.checked ? " ✓" : "")));
        for (const std::string& inner : lines(item.children, indent + "  ")) out.push_back(inner);
    }
    return out;
}

struct MenuTest : ::testing::Test, CountdownSetup {
    void SetUp() override { start(); }  // first run: 180 s, auto-start on, 3分/10分/1時間
    std::vector<std::string> open(std::optional<uint32_t> choice = std::nullopt) {
        platform.dialogs.menuChoice = choice;
        window->onRButtonUp({10, 20});
        return lines(platform.dialogs.menus.back().items);
    }
};

TEST_F(MenuTest, FirstRunMenu) {
    EXPECT_EQ(open(), (std::vector<std::string>{
        "32794 3分", "32795 10分", "32796 1時間", "32793 時間設定...", "-", "32788 スタート(左ダブルクリック)",
        "32789 リセット(左トリプルクリック)", "-", "32779 最前面に表示", "32797 アラーム音を鳴らす ✓", "0 詳細設定",
        "  32798 よく使う時間を登録...", "  32801 時間設定時に自動スタート ✓", "  -", "  32780 フォント...",
        "  32781 背景色...", "  32792 ウィンドウ/文字 サイズ自動調整 ✓", "  32790 計測中に下線を表示 ✓", "32791 ヘルプ...",
        "-", "32783 終了"}));
    // At the release point on the screen: the centred corner (492, 389) +
    // frame 4 + (10, 20). Dismissed, it changed nothing.
    EXPECT_EQ(platform.dialogs.menuPoints.back(), (Point{506, 413}));
    EXPECT_EQ(host.log.back(), "tooltip");
    EXPECT_TRUE(platform.dialogs.opened.empty() && said().empty() && !running());
}

// The registered times take the first places with their ids, five at most;
// a time above the signed range counts as the largest duration. Choosing
// one sets its duration (auto-start on: it runs at once).
TEST_F(MenuTest, RegisteredTimes) {
    const std::pair<std::vector<uint32_t>, std::vector<std::string>> table[] = {
        {{}, {"32793 時間設定..."}},
        {{90, 3661, 4294967295u}, {"32794 1分30秒", "32795 1時間1分1秒", "32796 596523時間14分7秒", "32793 時間設定..."}},
        {{1, 2, 3, 4, 5, 6, 7}, {"32794 1秒", "32795 2秒", "32796 3秒", "32799 4秒", "32800 5秒", "32793 時間設定..."}},
    };
    for (const auto& [times, head] : table) {
        options().registeredTimes = times;
        const auto menu = open();
        EXPECT_EQ(std::vector<std::string>(menu.begin(), menu.begin() + static_cast<std::ptrdiff_t>(head.size())), head);
    }
    options().registeredTimes = {11, 22, 33, 44, 4294967295u};
    for (const auto& [id, seconds] : {std::pair{32794u, 11}, {32795u, 22}, {32796u, 33}, {32799u, 44}, {32800u, 2147483647}}) {
        open(id);
        EXPECT_EQ(window->countdown().duration(), seconds) << id;
        EXPECT_TRUE(running());
    }
    options().registeredTimes = {11};
    command(kCmdRegisteredTime4);  // no such entry: nothing happens
    EXPECT_EQ(window->countdown().duration(), 2147483647);
}

// Any non-zero option counts as on; the marks and the start/stop label are
// made anew at each opening.
TEST_F(MenuTest, CheckMarksAndTheStartStopLabelFollowTheState) {
    auto& o = options();
    o.topmost = 7;
    o.underline = o.autoFit = o.alarmSound = o.autoStart = 0;
    command(kCmdStartStop);
    const auto menu = open();
    EXPECT_EQ(std::count_if(menu.begin(), menu.end(), [](const std::string& line) { return line.ends_with("✓"); }), 1);
    EXPECT_EQ(menu.at(8), "32779 最前面に表示 ✓");
    EXPECT_EQ(menu.at(5), "32788 ストップ(左ダブルクリック)");
}

// In English every text the window shows comes from the English catalogue:
// menu, tooltip, help message.
TEST(EnglishTimer, MenuTooltipAndHelp) {
    CountdownSetup s;
    s.platform.services.texts = Texts();
    s.start();
    s.window->onRButtonUp({10, 20});
    const auto menu = lines(s.platform.dialogs.menus.back().items);
    EXPECT_EQ(std::vector<std::string>(menu.begin(), menu.begin() + 6), (std::vector<std::string>{"32794 3 min", "32795 10 min",
        "32796 1 h", "32793 Set time...", "-", "32788 Start (double-click)"}));
    EXPECT_EQ(menu.at(11), "  32798 Register frequent times...");
    EXPECT_EQ(s.host.tooltip, "Quillastor Countdown Timer Ver1.01\r\n• Start or stop: double-click\r\n"
                              "• Reset: triple-click\r\n• Move the window: drag");
    s.command(kCmdHelp);
    EXPECT_EQ(s.said().back(), "box Readme-en.txt was not found.|Quillastor Countdown Timer|48");
}

// Every id reaches its action; toggles store exactly 1 or 0 and the topmost
// one is applied at once.
TEST_F(MenuTest, EveryCommandReachesItsAction) {
    auto& o = options();
    o.topmost = o.alarmSound = o.autoStart = 5;  // from a settings file written elsewhere
    const std::vector<std::pair<uint32_t, std::function<bool()>>> table = {
        {kCmdTopmost, [&] { return o.topmost == 0 && host.log.back() == "topmost 0"; }},
        {kCmdTopmost, [&] { return o.topmost == 1 && host.topmost; }},
        {kCmdAlarmSound, [&] { return o.alarmSound == 0; }},
        {kCmdAlarmSound, [&] { return o.alarmSound == 1; }},
        {kCmdAutoStart, [&] { return o.autoStart == 0 && !running(); }},
        {kCmdAutoStart, [&] { return o.autoStart == 1 && !running(); }},
        {kCmdUnderline, [&] { return o.underline == 0; }},
        {kCmdAutoFit, [&] { return o.autoFit == 0; }},
        {kCmdFont, [&] { return platform.dialogs.opened.back() == "font"; }},
        {kCmdBackColor, [&] { return platform.dialogs.opened.back() == "color"; }},
        {kCmdRegisteredTime3, [&] { return window->countdown().duration() == 3600 && running(); }},
        {kCmdStartStop, [&] { return !running(); }},
        {kCmdStartStop, [&] { return advance(2000), running(); }},
        {kCmdReset, [&] { return !running() && host.texts.back() == "1:00:00"; }},
        {kCmdSetTime, [&] { return platform.dialogs.opened.back() == "setTime"; }},
        {kCmdRegisterTimes, [&] { return platform.dialogs.opened.back() == "registeredTimes"; }},
        {kCmdHelp, [&] { return said().back() == "box Readme.txt が見つかりません。|Quillastorカウントダウンタイマー|48"; }},
        {40000, [&] { return !host.endResult; }},
        {kCmdExit, [&] { return host.endResult == 1 && platform.files.writes == 1; }},
    };
    for (const auto& [id, done] : table) {
        command(id);
        EXPECT_TRUE(done()) << id;
    }
}

// A clock time becomes the seconds until the clock next shows it, read when
// OK is pressed; a duration is taken as it is. The dialog opens on the full
// duration, not the time left.
TEST_F(MenuTest, SetTimeCommand) {
    struct Row { TimeOfDay now; TimeOfDay entered; bool clock; int32_t seconds; };
    const Row table[] = {{{10, 15, 30}, {10, 20, 0}, true, 270}, {{10, 15, 30}, {10, 15, 0}, true, 86370},
                         {{10, 15, 0}, {10, 15, 0}, true, 0}, {{23, 59, 59}, {0, 1, 0}, true, 61},
                         {{6, 0, 0}, {1, 2, 3}, false, 3723}};
    command(kCmdStartStop);
    advance(90'500);
    std::vector<TimeOfDay> prefills;
    for (const Row& row : table) {
        platform.clock.time = {6, 0, 0};
        platform.dialogs.onSetTime = [&](SetTimeDialog& d) {
            SetTimeSession session(d);
            prefills.push_back(session.time.value);
            platform.clock.time = row.now;
            return session.enter(row.entered, row.clock);
        };
        command(kCmdSetTime);
        EXPECT_EQ(window->countdown().duration(), row.seconds) << row.now.hour << ":" << row.now.minute;
    }
    EXPECT_EQ(prefills.front(), (TimeOfDay{0, 3, 0}));
    advance(2000);
    platform.dialogs.onSetTime = nullptr;  // cancelled: the countdown goes on as it was
    command(kCmdSetTime);
    EXPECT_EQ(shown(), "1:02:02");
}

// The list is replaced on OK, with no repaint and no save; the dialog holds
// at most five.
TEST_F(MenuTest, RegisterTimesCommand) {
    bool addEnabled = true;
    platform.dialogs.onRegisteredTimes = [&](RegisteredTimesDialog& d) {
        RegisteredTimesSession s(d);
        addEnabled = s.add.enabled;
        s.select(0);
        d.onDelete();
        d.onOk();
        return s.result();
    };
    host.log.clear();
    command(kCmdRegisterTimes);
    EXPECT_EQ(options().registeredTimes, (std::vector<uint32_t>{600, 3600}));
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(platform.files.writes, 0);
    EXPECT_TRUE(addEnabled);
    options().registeredTimes = {1, 2, 3, 4, 5};
    command(kCmdRegisterTimes);
    EXPECT_FALSE(addEnabled);
}

}  // namespace
