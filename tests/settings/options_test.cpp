// The options file on the fake file store: read once, values the program
// does not take kept and named, every other line kept on a rewrite.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake/fake_platform.h"
#include "settings/program_options.h"

namespace {

std::vector<uint8_t> bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(ProgramOptions, ReadSetAndWrittenAsTheUserLeftThem) {
    const std::string big = std::string(kLargestFileBytes, '#') + "\nlanguage=en\n";
    // The file beside the program (none: missing), the value in use, "key=value" named to the user, the
    // file after language=ja is set (none: not saved).
    struct Row { const char* name; std::optional<std::string> file; const char* language, *refused; std::optional<std::string> saved; };
    const Row table[] = {
        {"no file", std::nullopt, "auto", "", "language=ja\n"},
        {"comments, unknown keys, CRLF, spaces", "# mine\r\nhotkey=x\r\n language = en \r\n#language=ja\r\n\r\nzz", "en", "", "# mine\r\nhotkey=x\r\nlanguage=ja\r\n#language=ja\r\n\r\nzz"},
        {"a byte-order mark, the last line counts", "\xEF\xBB\xBFlanguage=en\nlanguage=auto", "auto", "", "\xEF\xBB\xBFlanguage=en\nlanguage=ja"},
        {"a new key after a last line without a break", "# only a comment", "auto", "", "# only a comment\nlanguage=ja\n"},
        {"a value it does not take", "language=klingon\nnotify=on\n", "auto", "language=klingon", "language=ja\nnotify=on\n"},
        {"bytes that are not UTF-8", "# \x80\xFF\nlanguage=\xE6\x97\n", "auto", "language=\xE6\x97", "# \x80\xFF\nlanguage=ja\n"},
        {"larger than any options file", big, "auto", "", std::nullopt},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        FakeFileStore files;
        if (row.file) files.files["/exe/timer.ini"] = bytes(*row.file);
        ProgramOptions options(files, {"/exe", "/home/Q"}, "timer.ini");
        options.read();
        EXPECT_EQ(options.value("language"), row.language);
        EXPECT_EQ(options.unreadable(), row.file == big);
        std::string refused;
        for (const auto& r : options.refused()) refused += r.key + "=" + r.value;
        EXPECT_TRUE(refused == row.refused && files.writes == 0) << refused;  // reading never writes
        EXPECT_EQ(options.set("language", "ja"), row.saved.has_value());
        EXPECT_EQ(files.files["/exe/timer.ini"], bytes(row.saved.value_or(row.file.value_or(""))));
        EXPECT_EQ(options.value("language"), "ja");  // in use, saved or not
    }
}

// A value the program does not take is never written; a program folder that
// takes no file sends the file to the user's folder, and when that refuses
// it too, the change is not saved.
TEST(ProgramOptions, RefusedValuesAndFolders) {
    FakeFileStore files;
    files.closedFolders = {"/exe"};
    ProgramOptions options(files, {"/exe", "/home/Q"}, "timer.ini");
    options.read();
    EXPECT_FALSE(options.set("language", "fr") || options.set("colour", "red") || files.writes > 0);
    EXPECT_TRUE(options.set("language", "en") && files.files["/home/Q/timer.ini"] == bytes("language=en\n"));
    files.refused.insert("/home/Q/timer.ini");
    EXPECT_FALSE(options.set("language", "ja"));
}

}  // namespace
