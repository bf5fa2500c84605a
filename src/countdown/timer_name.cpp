#include "countdown/timer_name.h"

#include <optional>

#include "platform/text_class.h"

namespace {

// The next character of strict UTF-8 (no overlong forms, no surrogates),
// consumed; nullopt at a malformed sequence.
std::optional<char32_t> takeCharacter(std::string_view& text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    text.remove_prefix(length);
    return c;
}

}  // namespace

bool isValidTimerName(std::string_view utf8) {
    std::size_t count = 0;
    while (!utf8.empty()) {
        const std::optional<char32_t> c = takeCharacter(utf8);
        if (!c || ++count > kLongestTimerName) return false;
        if (*c != U'-' && *c != U'_' && !isLetterOrDigit(*c)) return false;
    }
    return count > 0;
}
