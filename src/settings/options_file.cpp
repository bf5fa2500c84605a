#include "settings/options_file.h"

namespace {

constexpr std::string_view kSpace = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // as Notepad writes UTF-8

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// The key of a "key=value" line; none for a line without '='. A comment's
// "key" begins with '#', as no key of the program does.
std::optional<std::string_view> keyOf(std::string_view line) {
    if (line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trimmed(line.substr(0, equals));
}

}  // namespace

OptionsFile::OptionsFile(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        Line line{std::string(text.substr(0, end)), end == std::string_view::npos ? "" : "\n"};
        if (!line.lineBreak.empty() && line.text.ends_with('\r')) {
            line.text.pop_back();
            line.lineBreak = "\r\n";
        }
        lines_.push_back(std::move(line));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::optional<std::size_t> OptionsFile::lineOf(std::string_view key) const {
    for (std::size_t i = lines_.size(); i-- > 0;)
        if (keyOf(lines_[i].text) == key) return i;
    return std::nullopt;
}

std::optional<std::string> OptionsFile::value(std::string_view key) const {
    const std::optional<std::size_t> line = lineOf(key);
    if (!line) return std::nullopt;
    const std::string_view text = lines_[*line].text;
    return std::string(trimmed(text.substr(text.find('=') + 1)));
}

void OptionsFile::set(std::string_view key, std::string_view value) {
    const std::string text = std::string(key) + "=" + std::string(value);
    if (const std::optional<std::size_t> line = lineOf(key)) {
        // The mark belongs to the file, not to the line's key.
        const bool marked = lines_[*line].text.starts_with(kByteOrderMark);
        lines_[*line].text = (marked ? std::string(kByteOrderMark) : "") + text;
        return;
    }
    // A new line breaks as the file's first line does.
    const std::string lineBreak = lines_.empty() || lines_.front().lineBreak.empty() ? "\n" : lines_.front().lineBreak;
    if (!lines_.empty() && lines_.back().lineBreak.empty()) lines_.back().lineBreak = lineBreak;
    lines_.push_back({text, lineBreak});
}

std::string OptionsFile::text() const {
    std::string out;
    for (const Line& line : lines_) out += line.text + line.lineBreak;
    return out;
}
