// The alarm's desktop notification on the fake: posted at zero, withdrawn when
// the alarm ends another way, its actions, and the option that turns it off.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "countdown_setup.h"

namespace {

const std::string kIni = "/exe/QuillastorTimer.ini";
const std::string kPosted3 = "notify Quillastorカウントダウンタイマー|時間です（3分）|stop 停止,one-minute-more +1分,restart 再スタート|stop";

struct NoticeSetup : CountdownSetup {
    explicit NoticeSetup(const std::string& ini = "") {
        platform.services.notifications = &platform.output;
        if (!ini.empty()) platform.files.files[kIni] = {ini.begin(), ini.end()};
        programOptions.read();
        startLoaded(180);
        window->useOptions(&programOptions);
    }
    void toAlarm() { doubleClick(), advance(180004); }
    long withdrawals() const { return std::count(said().begin(), said().end(), "withdraw"); }
    ProgramOptions programOptions{platform.files, {"/exe", "/home/Q"}, "QuillastorTimer.ini"};
};

// Whatever ends the alarm takes the notification back, once; an action that
// comes after it, or from an earlier alarm, does nothing.
TEST(AlarmNotice, PostedAtZeroAndWithdrawnWhenTheAlarmEndsAnotherWay) {
    const std::pair<const char*, std::function<void(NoticeSetup&)>> table[] = {
        {"a click", [](NoticeSetup& s) { s.press(); }},
        {"a right click", [](NoticeSetup& s) { s.window->onRButtonDown(s.kAt); }},
        {"a key", [](NoticeSetup& s) { s.window->onKeyboardFocus(true), s.host.skip(1000), s.window->onKeyDown({Key::Space}); }},
        {"Exit", [](NoticeSetup& s) { s.command(kCmdExit); }},
        {"a log-off", [](NoticeSetup& s) { s.window->onQueryEndSession(true); }},
    };
    for (const auto& [name, end] : table) {
        SCOPED_TRACE(name);
        NoticeSetup s;
        s.toAlarm();
        EXPECT_EQ(s.said(), (std::vector<std::string>{"play NotifySound.wav", kPosted3}));
        const auto late = s.platform.output.answer;
        end(s);
        const std::size_t said = s.said().size();
        const bool alarm = s.window->alarmActive();
        late("restart");
        s.command(kCmdExit);
        EXPECT_TRUE(s.said().size() == said && s.window->alarmActive() == alarm && s.withdrawals() == 1);
    }
    NoticeSetup s;
    s.toAlarm();
    const auto earlier = s.platform.output.answer;
    s.press(), s.release(), s.toAlarm();
    earlier("stop");
    EXPECT_TRUE(s.window->alarmActive()) << "an earlier alarm's answer ended this one";
}

// Each action ends the alarm as a click does and leaves the set duration as
// it is; a notification closed without one leaves the alarm on.
TEST(AlarmNotice, ActionsOnTheCountdownAndTheSavedDuration) {
    // The key, then 30 s later: the time shown, running; after 30 s more, the alarm; withdrawals by Exit.
    struct Row { const char* key; const char* shown; bool running, alarmAfterAMinute; int withdrawals; };
    const Row table[] = {
        {"stop", "0:03:00", false, false, 1},
        {"one-minute-more", "0:00:31", true, true, 2},
        {"restart", "0:02:31", true, false, 1},
        {"", "0:00:30", true, true, 0},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.key);
        NoticeSetup s;
        s.toAlarm();
        s.platform.output.answer(row.key);
        EXPECT_EQ(s.window->alarmActive(), *row.key == 0);
        s.advance(30000);
        EXPECT_TRUE(s.shown() == row.shown && s.running() == row.running) << s.shown();
        s.advance(30004);
        EXPECT_EQ(s.window->alarmActive(), row.alarmAfterAMinute);
        s.command(kCmdExit);
        EXPECT_TRUE(s.options().countdownSeconds == 180 && s.withdrawals() == row.withdrawals);
    }
}

// notify=on|off: read at start, flipped from the menu and saved at once into
// the file as it is then, which another timer may have changed meanwhile.
TEST(AlarmNotice, TheOptionInTheFileAndTheMenu) {
    // The options file at start, whether the alarm posts, the file after the menu item and another timer's line.
    struct Row { const char* ini; bool posts; const char* saved; };
    const Row table[] = {
        {"", true, "language=en\nnotify=off\n"},
        {"notify=off\n", false, "notify=on\nlanguage=en\n"},
        {"notify=maybe\n", true, "notify=off\nlanguage=en\n"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.ini);
        NoticeSetup s(row.ini);
        s.toAlarm();
        EXPECT_EQ(s.said().back() == kPosted3, row.posts);
        s.press();
        s.release();
        s.window->onRButtonUp(s.kAt);
        const auto& items = s.platform.dialogs.menus.back().items;
        const auto item = std::find_if(items.begin(), items.end(), [](const MenuItem& i) { return i.id == kCmdNotify; });
        EXPECT_TRUE(item != items.end() && (item - 1)->id == kCmdAlarmSound && item->checked == row.posts);
        const std::string changed = std::string(row.ini) + "language=en\n", saved = row.saved;
        s.platform.files.files[kIni] = {changed.begin(), changed.end()};
        s.command(kCmdNotify);
        EXPECT_EQ(s.platform.files.files[kIni], std::vector<uint8_t>(saved.begin(), saved.end()));
        const std::size_t said = s.said().size();
        s.toAlarm();
        EXPECT_EQ(s.said().size() - said, row.posts ? 1u : 2u);  // the sound, and the notification when now on
    }
}

}  // namespace
