#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "countdown/command_line.h"
#include "countdown_setup.h"

namespace {

using Action = CommandLine::Action;
using Args = std::vector<std::string>;

struct Row {
    const char* name;
    Args args;
    Action action;
    std::optional<StartTime> start;
    const char* messageStart;  // the Japanese message's first characters, "" for none
    std::optional<std::string> timerName = std::nullopt;
    std::optional<std::string> language = std::nullopt;
};

// clang-format off
const Row kRows[] = {
    {"NoArguments",       {},                     Action::Run,   std::nullopt,                ""},
    {"BareNumberMinutes", {"25"},                 Action::Run,   StartTime{1500, false},      ""},
    {"HoursMinSec",       {"1:30:00"},            Action::Run,   StartTime{5400, false},      ""},
    {"MinSec",            {"4:30"},               Action::Run,   StartTime{270, false},       ""},
    {"LettersAll",        {"1h5m10s"},            Action::Run,   StartTime{3910, false},      ""},
    {"LettersUpper",      {"2H"},                 Action::Run,   StartTime{7200, false},      ""},
    {"SecondsOnly",       {"45s"},                Action::Run,   StartTime{45, false},        ""},
    {"Labels",            {"1時間30分10秒"},      Action::Run,   StartTime{5410, false},      ""},
    {"OneSecond",         {"0:01"},               Action::Run,   StartTime{1, false},         ""},
    {"Longest",           {"99:59:59"},           Action::Run,   StartTime{359999, false},    ""},
    {"ClockTime",         {"--at", "15:30"},      Action::Run,   StartTime{55800, true},      ""},
    {"ClockTimeJoined",   {"--at=0:00"},          Action::Run,   StartTime{0, true},          ""},
    {"ClockTimeLast",     {"--at", "23:59"},      Action::Run,   StartTime{86340, true},      ""},
    {"Help",              {"--help"},             Action::Help,  std::nullopt,                "使い方: QuillastorTimer"},
    {"HelpShort",         {"-h"},                 Action::Help,  std::nullopt,                "使い方"},
    {"Version",           {"--version"},          Action::Version, std::nullopt,              "Quillastorカウントダウンタイマー Ver1.01"},
    {"NotATime",          {"abc"},                Action::Error, std::nullopt,                "「abc」は時間として読めません。"},
    {"Zero",              {"0"},                  Action::Error, std::nullopt,                "「0」は指定できません。時間は1秒"},
    {"Negative",          {"-5"},                 Action::Error, std::nullopt,                "「-5」は指定できません。"},
    {"SecondsOver59",     {"25:61"},              Action::Error, std::nullopt,                "「25:61」は時間として"},
    {"NoMinutes",         {":30"},                Action::Error, std::nullopt,                "「:30」は時間として"},
    {"NotADigit",         {"1:/5"},               Action::Error, std::nullopt,                "「1:/5」は時間として"},
    {"NotAColon",         {"4.30:00"},            Action::Error, std::nullopt,                "「4.30:00」は時間として"},
    {"OneDigitSeconds",   {"4:3"},                Action::Error, std::nullopt,                "「4:3」は時間として"},
    {"TooLong",           {"100:00:00"},          Action::Error, std::nullopt,                "「100:00:00」は指定できません。"},
    {"TooManyMinutes",    {"6000"},               Action::Error, std::nullopt,                "「6000」は指定できません。"},
    {"HugeNumber",        {"99999999999999999999"}, Action::Error, std::nullopt,              "「99999999999999999999」は指定"},
    {"UnitsOutOfOrder",   {"30m1h"},              Action::Error, std::nullopt,                "「30m1h」は時間として"},
    {"UnitRepeated",      {"1m1m"},               Action::Error, std::nullopt,                "「1m1m」は時間として"},
    {"NumberWithoutUnit", {"1h30"},               Action::Error, std::nullopt,                "「1h30」は時間として"},
    {"Empty",             {""},                   Action::Error, std::nullopt,                "「」は時間として"},
    {"TwoTimes",          {"1:30", "5"},          Action::Error, std::nullopt,                "「5」は指定できません。時間は1つだけ"},
    {"TimeAndClock",      {"5", "--at", "9:00"},  Action::Error, std::nullopt,                "「9:00」は指定できません。時間は1つだけ"},
    {"UnknownOption",     {"--start"},            Action::Error, std::nullopt,                "「--start」というオプションはありません。"},
    {"ClockHour24",       {"--at", "24:00"},      Action::Error, std::nullopt,                "「24:00」は時刻として"},
    {"ClockWithSeconds",  {"--at", "1:00:00"},    Action::Error, std::nullopt,                "「1:00:00」は時刻として"},
    {"ClockBareNumber",   {"--at", "15"},         Action::Error, std::nullopt,                "「15」は時刻として"},
    {"ClockLongHour",     {"--at", "015:30"},     Action::Error, std::nullopt,                "「015:30」は時刻として"},
    {"ClockMissing",      {"--at"},               Action::Error, std::nullopt,                "「--at」のあとに時刻"},
    {"Named",             {"--name", "tea", "5"}, Action::Run,   StartTime{300, false},       "", "tea"},
    {"NamedJoined",       {"--name=お茶"},        Action::Run,   std::nullopt,                "", "お茶"},
    {"NameMissing",       {"5", "--name"},        Action::Error, std::nullopt,                "「--name」のあとに名前"},
    {"NameEmpty",         {"--name="},            Action::Error, std::nullopt,                "「」は名前に使えません。"},
    {"NameBad",           {"--name", "a/b"},      Action::Error, std::nullopt,                "「a/b」は名前に使えません。"},
    {"TwoNames",          {"--name", "a", "--name", "b"}, Action::Error, std::nullopt,        "「b」は指定できません。名前は1つだけ"},
    {"NameLike",          {"--names"},            Action::Error, std::nullopt,                "「--names」というオプション"},
    {"Language",          {"--lang", "en", "5"},  Action::Run,   StartTime{300, false},       "", std::nullopt, "en"},
    {"LanguageJoined",    {"--lang=ja"},          Action::Run,   std::nullopt,                "", std::nullopt, "ja"},
    {"LanguageUnknown",   {"--lang", "fr"},       Action::Error, std::nullopt,                "「fr」という言語はありません。言語は en, ja です。"},
    {"LanguageTag",       {"--lang=ja-JP"},       Action::Error, std::nullopt,                "「ja-JP」という言語"},
    {"LanguageMissing",   {"--lang"},             Action::Error, std::nullopt,                "「--lang」のあとに言語を指定してください。言語は en, ja です。"},
    {"TwoLanguages",      {"--lang=en", "--lang=ja"}, Action::Error, std::nullopt,            "「ja」は指定できません。言語は1つだけ", std::nullopt, "en"},
    {"LanguageAfterHelp", {"-h", "--lang", "en"}, Action::Help,  std::nullopt,                "使い方", std::nullopt, "en"},
    {"LanguageOfRefusal", {"abc", "--lang=en"},   Action::Error, std::nullopt,                "「abc」は時間として", std::nullopt, "en"},
    {"NameLikeLanguage",  {"--name", "--lang", "en"}, Action::Error, std::nullopt,            "「en」は時間として"},
};
// clang-format on

// Columns a line takes in a message box: a Japanese character is two.
std::size_t widestLine(const std::string& text) {
    std::size_t widest = 0, columns = 0;
    for (const unsigned char c : text)
        widest = std::max(widest, columns = c == '\n' ? 0 : columns + (c < 0x80 ? 1 : c >= 0xE3 ? 2 : c >= 0xC0));
    return widest;
}

// Every refusal says which argument and why, then shows the accepted forms:
// on the console as a table, in a box one a line (no column to line up, none
// that wraps), a refusal there only with the way to the help.
TEST(CommandLine, ParsesOrExplains) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const CommandLine result = parseCommandLine(row.args);
        EXPECT_EQ(result.action, row.action);
        EXPECT_EQ(result.start, row.start);
        EXPECT_EQ(result.name, row.timerName);
        EXPECT_EQ(result.language, row.language);
        EXPECT_EQ(result.exitStatus(), row.action == Action::Error ? 2 : 0);
        for (const Catalogue& language : kCatalogues) {
            const Texts texts(language);
            const CommandLineMessage said = commandLineMessage(result, texts);
            std::string box = said.box;
            if (texts.language() == "ja") {
                EXPECT_EQ(said.console.rfind(row.messageStart, 0), 0u) << said.console;
                EXPECT_EQ((std::erase(box, '\n'), box).rfind(row.messageStart, 0), 0u) << said.box;
            }
            EXPECT_TRUE(row.action != Action::Error || said.console.ends_with(texts[TextId::args_usage]));
            EXPECT_LE(widestLine(said.box), 46u) << said.box;  // about 300 pixels
            EXPECT_EQ(said.box.find("  "), std::string::npos) << said.box;
            EXPECT_EQ(said.box.ends_with(texts[TextId::args_help_hint]), row.action == Action::Error);
        }
    }
}

// A start time acts as the set-time dialog's OK: it replaces the stored
// duration and starts at once with auto-start on (the first-run default).
TEST(CommandLineStart, OverridesTheStoredDurationAndStarts) {
    CountdownSetup s;
    s.platform.clock.time = {15, 0, 0};
    s.start(nullptr, StartTime{15 * 3600 + 30 * 60, true});
    EXPECT_EQ(s.window->countdown().duration(), 1800);
    EXPECT_TRUE(s.wakeDelay());
}

}  // namespace
