// The options file as its user wrote it: UTF-8 "key=value" lines and "#"
// comments. Every line is kept as read, so a rewrite changes only the value
// that was set and keeps unknown keys, comments, blank lines, line breaks
// and order. Parsing and writing work on text only; the file is read and
// written elsewhere (program_options.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class OptionsFile {
public:
    OptionsFile() = default;
    explicit OptionsFile(std::string_view text);

    // The value on the key's last line, without the spaces around it.
    std::optional<std::string> value(std::string_view key) const;
    // Rewrites the key's last line, or adds one at the end.
    void set(std::string_view key, std::string_view value);
    std::string text() const;

private:
    // A line without its break; the break is kept apart ("\n", "\r\n" or none).
    struct Line {
        std::string text;
        std::string lineBreak;
    };
    std::optional<std::size_t> lineOf(std::string_view key) const;

    std::vector<Line> lines_;
};
