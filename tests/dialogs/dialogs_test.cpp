// The set-time and registered-times dialogs over fake controls, driven as a
// user drives them. The local time is 10:15:30.
#include <gtest/gtest.h>

#include <sstream>

#include "fake/fake_controls.h"
#include "dialogs/dialog_fit.h"
#include "fake/fake_platform.h"

namespace {

TimeOfDay timeOf(const std::string& text) {
    TimeOfDay t;
    std::sscanf(text.c_str(), "%d:%d:%d", &t.hour, &t.minute, &t.second);
    return t;
}

std::string textOf(TimeOfDay t) {
    return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second);
}

// A set-time script: X tick or untick the box, V<h:m:s> type a value, O OK,
// C Cancel. Checks: =<h:m:s> the control's value, F<d|c> its format
// (duration or clock), R<n> result so far (0 open), B<n> message boxes shown.
void play(SetTimeSession& s, const FakeOutput& said, const std::string& script) {
    std::istringstream in(script);
    for (std::string word; in >> word;) {
        const std::string arg = word.substr(1);
        switch (word[0]) {
        case 'X': s.clickCheckBox(); break;
        case 'V': s.time.value = timeOf(arg); break;
        case 'O': s.dialog.onOk(); break;
        case 'C': s.dialog.onCancel(); break;
        case '=': EXPECT_EQ(textOf(s.time.value), arg) << "at " << word; break;
        case 'F': EXPECT_EQ(s.time.format, arg == "d" ? "HH時間mm分ss秒" : "HH時mm分") << "at " << word; break;
        case 'R': EXPECT_EQ(s.ender.result.value_or(0), std::stoi(arg)) << "at " << word; break;
        case 'B': EXPECT_EQ(said.said.size(), std::stoul(arg)) << "at " << word; break;
        default: FAIL() << "unknown step " << word;
        }
    }
}

// Zero is refused with "1秒以上の値を指定してください。" and the dialog stays
// open; a clock time is taken to the minute; unticking brings back the
// duration typed before ticking; nothing acts after the end.
TEST(SetTimeDialog, Scripts) {
    struct Row { const char* name; int32_t prefill; bool allowed, ticked; const char* script; int32_t seconds; bool clock; };
    const Row table[] = {
        {"prefilled", 3661, true, false, "=1:1:1 Fd O R1 B0", 3661, false},
        {"beyond a day shows the nearest", 86400, true, false, "=23:59:59 O R1", 86399, false},
        {"negative shows zero, refused", -5, true, false, "=0:0:0 O R0 B1", -5, false},
        {"zero refused, then one second", 180, true, false, "V0:0:0 O B1 R0 =0:0:0 V0:0:1 O R1 B1", 1, false},
        {"clock time to the minute", 180, true, false, "X =10:15:30 Fc V10:20:45 O R1", 37200, true},
        {"clock 0:00 with seconds refused", 180, true, false, "X V0:0:42 O R0 B1", 180, true},
        {"unticking brings back the duration", 180, true, false, "V2:5:7 X V0:0:15 O B1 X =2:5:7 Fd X X =2:5:7 O R1", 7507, false},
        {"box ticked without a click still counts", 180, true, true, "V9:30:0 O R1", 34200, true},
        {"cancel ends quietly", 180, true, false, "C R2 O C X R2 B0", 180, false},
        {"clock time not allowed, greyed box reported ticked", 600, false, true, "X Fd O R1", 600, false},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        FakeOutput said;
        FakeLocalClock clock;
        clock.time = {10, 15, 30};
        SetTimeDialog dialog{said, clock, japaneseTexts()};
        dialog.setDuration(row.prefill);
        if (!row.allowed) dialog.disableClockTime();
        SetTimeSession s(dialog);
        EXPECT_TRUE(s.initResult);
        EXPECT_EQ(s.checkBox.enabled, row.allowed);
        s.checkBox.checked = row.ticked;
        play(s, said, row.script);
        EXPECT_EQ(dialog.durationSeconds(), row.seconds);
        EXPECT_EQ(dialog.isClockTime(), row.clock);
        for (const std::string& box : said.said) EXPECT_EQ(box, "box 1秒以上の値を指定してください。|-|0");
    }
}

// A registered-times script: S<n> select, A<h:m:s> Add and enter, a Add and
// cancel, E<h:m:s> Edit and enter, e Edit and cancel, D Delete, O OK,
// C Cancel. Checks: =<state> the items, the selection and the enabled
// buttons ("3分,10分|1:AER"), P<h:m:s> the nested dialog's last prefill.
struct RegisteredTimes {
    FakePlatform platform;
    RegisteredTimesDialog dialog{platform.dialogs, platform.output, platform.clock, japaneseTexts()};
    std::optional<RegisteredTimesSession> session;
    TimeOfDay prefill, entered;
    bool enter = true;

    RegisteredTimes(const std::vector<uint32_t>& times, int32_t maxCount) {
        dialog.setMaxCount(maxCount);
        dialog.setTimes(times);
        session.emplace(dialog);
        platform.dialogs.onSetTime = [this](SetTimeDialog& d) {
            SetTimeSession nested(d);
            EXPECT_FALSE(nested.checkBox.enabled);  // a duration only
            prefill = nested.time.value;
            enter ? void(nested.enter(entered)) : d.onCancel();
            return nested.result();
        };
    }
    std::string state() const {
        std::string out;
        for (const auto& item : session->list.items) out += (out.empty() ? "" : ",") + item;
        const auto& s = *session;
        return out + "|" + std::to_string(s.list.selection) + ":" + (s.add.enabled ? "A" : "") + (s.edit.enabled ? "E" : "") + (s.remove.enabled ? "R" : "");
    }
    void play(const std::string& script) {
        std::istringstream in(script);
        for (std::string word; in >> word;) {
            const std::string arg = word.substr(1);
            enter = word[0] == 'A' || word[0] == 'E';
            entered = timeOf(arg);
            switch (word[0]) {
            case 'S': session->select(std::stoi(arg)); break;
            case 'A': case 'a': dialog.onAdd(); break;
            case 'E': case 'e': dialog.onEdit(); break;
            case 'D': dialog.onDelete(); break;
            case 'O': dialog.onOk(); break;
            case 'C': dialog.onCancel(); break;
            case '=': EXPECT_EQ(state(), arg) << "at " << word; break;
            case 'P': EXPECT_EQ(textOf(prefill), arg) << "at " << word; break;
            default: FAIL() << "unknown step " << word;
            }
        }
    }
};

TEST(RegisteredTimesDialog, Scripts) {
    struct Row { const char* name; std::vector<uint32_t> times; int32_t maxCount; const char* script; std::vector<uint32_t> after; int opened; };
    const Row table[] = {
        {"empty", {}, 5, "=|-1:A O", {}, 0},
        {"six from a hand-edited file", {1, 2, 3, 4, 5, 6}, 5, "=1秒,2秒,3秒,4秒,5秒,6秒|0:ER O", {1, 2, 3, 4, 5, 6}, 0},
        {"no maximum set", {60}, 0, "=1分|0:ER", {60}, 0},
        {"add up to five, then Add greys", {180, 600, 3600}, 5, "A0:0:5 P0:3:0 =3分,10分,1時間,5秒|3:AER A1:0:1 =3分,10分,1時間,5秒,1時間0分1秒|4:ER A O", {180, 600, 3600, 5, 3601}, 2},
        {"edit in place, delete enables Add", {180, 600, 1, 2, 3}, 5, "S1 E2:0:1 P0:10:0 =3分,2時間0分1秒,1秒,2秒,3秒|1:ER D =3分,1秒,2秒,3秒|1:AER O", {180, 1, 2, 3}, 1},
        {"cancelled add and edit change nothing", {180, 600}, 5, "S1 a e P0:10:0 S-1 e D =3分,10分|-1:A O", {180, 600}, 2},
        {"delete the first keeps the index", {180, 600, 3600}, 5, "S0 D =10分,1時間|0:AER", {180, 600, 3600}, 0},
        {"delete the last selects the new last", {180, 600, 3600}, 5, "S2 D =3分,10分|1:AER O", {180, 600}, 0},
        {"delete the only one", {180}, 5, "D =|-1:A O", {}, 0},
        {"cancel keeps the caller's list", {3600, 600}, 5, "S0 E2:0:0 C D O", {3600, 600}, 1},
        {"above the signed range, untouched", {4294967295u, 180}, 5, "=596523時間14分7秒,3分|0:AER O", {4294967295u, 180}, 0},
        {"above the signed range, another entry edited", {4294967295u, 180}, 5, "S1 E0:1:0 O", {4294967295u, 60}, 1},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        RegisteredTimes r(row.times, row.maxCount);
        r.play(row.script);
        EXPECT_EQ(r.dialog.times(), row.after);
        EXPECT_EQ(r.platform.dialogs.opened.size(), static_cast<std::size_t>(row.opened));
        EXPECT_LE(r.session->ender.calls, 1);
        EXPECT_TRUE(r.session->initResult);
    }
}

// A control that needs more room stretches the whole dialog by its ratio,
// across or down, rounding outwards; texts that fit change nothing.
TEST(DialogFit, StretchesTheDialogByTheLargestNeed) {
    namespace dt = dialog_texts;
    using Rect = dt::DialogUnitRect;
    struct Row { const char* name; std::size_t control; ControlNeed need; Rect dialog, checkBox, cancel; };
    const Row table[] = {
        {"all fit", 0, {105, 10}, {0, 0, 133, 79}, {12, 13, 105, 10}, {76, 58, 50, 14}},
        {"the check box a fifth wider", 0, {126, 0}, {0, 0, 160, 79}, {14, 13, 127, 10}, {91, 58, 61, 14}},
        {"a button wider", 3, {75, 0}, {0, 0, 200, 79}, {18, 13, 158, 10}, {114, 58, 75, 14}},
        {"the check box taller", 0, {0, 15}, {0, 0, 133, 119}, {12, 19, 105, 16}, {76, 87, 50, 21}},
    };
    const auto text = [](const Rect& r) { return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" + std::to_string(r.height); };
    for (const Row& row : table) {
        std::vector<ControlNeed> needs(dt::kSetTimeControls.size());
        needs[row.control] = row.need;
        const FittedDialog fitted = fitDialog(dt::kSetTimeDialog, dt::kSetTimeControls, needs);
        EXPECT_EQ(text(fitted.dialog) + text(fitted.controls[0]) + text(fitted.controls[3]), text(row.dialog) + text(row.checkBox) + text(row.cancel)) << row.name;
    }
}

}  // namespace
