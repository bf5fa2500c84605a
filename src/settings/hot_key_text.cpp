#include "settings/hot_key_text.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string folded(std::string_view part) {
    const size_t first = part.find_first_not_of(" \t");
    const size_t last = part.find_last_not_of(" \t");
    std::string text(first == std::string_view::npos ? std::string_view() : part.substr(first, last - first + 1));
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::optional<Key> keyNamed(const std::string& name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return letterKey(static_cast<char>(std::toupper(static_cast<unsigned char>(name[0]))));
    if (name == "space") return Key::Space;
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' && name[1] != '0' &&
        std::all_of(name.begin() + 1, name.end(), digit)) {
        const int n = std::stoi(name.substr(1));
        if (n <= 24) return functionKey(n);
    }
    return std::nullopt;
}

}  // namespace

std::optional<HotKey> parseHotKey(std::string_view text) {
    HotKey hotKey;
    bool* const modifiers[] = {&hotKey.ctrl, &hotKey.alt, &hotKey.shift};
    while (true) {
        const size_t plus = text.find('+');
        const std::string part = folded(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            const std::optional<Key> key = keyNamed(part);
            if (!key || !(hotKey.ctrl || hotKey.alt)) return std::nullopt;
            hotKey.key = *key;
            return hotKey;
        }
        const int index = part == "ctrl" ? 0 : part == "alt" ? 1 : part == "shift" ? 2 : -1;
        if (index < 0 || *modifiers[index]) return std::nullopt;  // unknown or twice
        *modifiers[index] = true;
        text.remove_prefix(plus + 1);
    }
}

bool isHotKeyOption(std::string_view value) { return value.empty() || parseHotKey(value).has_value(); }
