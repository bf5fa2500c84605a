// The language a start speaks: --lang, else the options file's language,
// else the first of the system's UI languages; English where there is no
// catalogue. What the options file holds wrong is said once, in it.
#include <gtest/gtest.h>

#include "countdown/program_start.h"
#include "fake/fake_platform.h"

namespace {

TEST(ProgramStart, ChoosesTheLanguageAndNamesWhatTheOptionsGetWrong) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        const char* file;  // the options file; nullptr: none
        std::vector<std::string> system;
        const char* language;
        const char* warning;  // what is said, "" for nothing
    };
    const Row table[] = {
        {"Japanese system", {}, nullptr, {"ja-JP", "ja"}, "ja", ""},
        {"English system", {}, nullptr, {"en-US", "en"}, "en", ""},
        {"a locale name", {}, nullptr, {"ja_JP.UTF-8"}, "ja", ""},
        {"a tag in capitals", {}, nullptr, {"JA-JP"}, "ja", ""},
        {"no catalogue: English, not the second language", {}, nullptr, {"fr-FR", "ja-JP"}, "en", ""},
        {"the C locale", {}, nullptr, {"C"}, "en", ""},
        {"the system says nothing", {}, nullptr, {}, "en", ""},
        {"the option over the system", {}, "language=en", {"ja-JP"}, "en", ""},
        {"--lang over the option", {"--lang", "ja"}, "language=en", {"en-US"}, "ja", ""},
        {"--lang over the system", {"--lang=en", "--help"}, nullptr, {"ja-JP"}, "en", ""},
        {"a bad --lang: refused in the system's", {"--lang", "xx"}, nullptr, {"ja-JP"}, "ja", ""},
        {"a bad option: the system's, named", {}, "language=English", {"ja-JP"}, "ja",
         "/exe/timer.ini: language=English は使えない値です。language=auto で動きます。"},
        {"a bad option named in English", {}, "language=jp", {"en-US"}, "en",
         "/exe/timer.ini: language=jp is not a value this timer knows; it uses language=auto."},
        {"an unreadable file", {}, "", {"en-US"}, "en", "/exe/timer.ini could not be read; the options keep their defaults."},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        FakeFileStore files;
        if (row.file) files.files["/exe/timer.ini"] = std::vector<uint8_t>(row.file, row.file + strlen(row.file));
        if (row.file && !*row.file) files.unreadable.insert("/exe/timer.ini");
        ProgramOptions options(files, {"/exe", "/home/Q"}, "timer.ini");
        const ProgramStart start = startProgram(row.args, options, row.system);
        EXPECT_EQ(start.texts.language(), row.language);
        EXPECT_EQ(start.warnings, *row.warning ? std::vector<std::string>{row.warning} : std::vector<std::string>{});
    }
}

}  // namespace
