// The label form of a duration ("1 h 1 min 1 s") and its parser. Texts are
// UTF-8: a unit word is a complete UTF-8 sequence starting with a lead byte,
// so a plain byte search can only match it at a character boundary.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "timekeeping/time_text.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

bool isSpace(char c) { return kWhiteSpace.find(c) != std::string_view::npos; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// atoi: leading white space, an optional sign, then decimal digits up to the
// first other character. A value beyond the int32 range saturates at
// INT32_MAX or INT32_MIN, as the C runtime of Windows does, instead of
// overflowing.
int32_t leadingInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // Accumulating up to 2^31 keeps INT32_MIN reachable and cannot overflow.
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        value = std::min(value * 10 + (text[i] - '0'), kMax + 1);
    return static_cast<int32_t>(negative ? -value : std::min(value, kMax));
}

void trimLeadingSpace(std::string& text) {
    const size_t first = text.find_first_not_of(kWhiteSpace);
    text.erase(0, first == std::string::npos ? text.size() : first);
}

struct Units {
    std::string hours, minutes, seconds;
};

Units unitsOf(const Texts& texts) {
    return {unitWord(texts[TextId::label_h]), unitWord(texts[TextId::label_m]), unitWord(texts[TextId::label_s])};
}

// The label parser of one language; nullopt when the label holds none of its units.
std::optional<int32_t> parseIn(const std::string& label, const Units& units) {
    if (label.find(units.hours) == std::string::npos && label.find(units.minutes) == std::string::npos &&
        label.find(units.seconds) == std::string::npos)
        return std::nullopt;
    std::string rest = label;
    trimLeadingSpace(rest);
    const int32_t hours = takeNumberBefore(rest, units.hours);
    trimLeadingSpace(rest);
    const int32_t minutes = takeNumberBefore(rest, units.minutes);
    trimLeadingSpace(rest);
    const int32_t seconds = takeNumberBefore(rest, units.seconds);
    return toSeconds(hours, minutes, seconds);
}

}  // namespace

std::string durationLabel(int32_t seconds, const Texts& texts) {
    const int32_t h = hoursOf(seconds);
    const int32_t m = minutesOf(seconds);
    const int32_t s = secondsOf(seconds);
    const std::string hours = std::to_string(h), minutes = std::to_string(m), secs = std::to_string(s);
    if (h > 0) {
        if (s > 0) return texts.format(TextId::label_hms, {hours, minutes, secs});  // "1 h 0 min 1 s"
        return m > 0 ? texts.format(TextId::label_hm, {hours, minutes}) : texts.format(TextId::label_h, {hours});
    }
    if (m > 0) return s > 0 ? texts.format(TextId::label_ms, {minutes, secs}) : texts.format(TextId::label_m, {minutes});
    return texts.format(TextId::label_s, {secs});  // a zero duration reads "0 s"
}

std::string unitWord(std::string_view form) {
    std::string word;
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (form[i] != '%') {
            word += form[i];
            continue;
        }
        while (i + 1 < form.size() && (isDigit(form[i + 1]) || form[i + 1] == '$')) ++i;
        ++i;  // the conversion letter
    }
    trimLeadingSpace(word);
    word.erase(word.find_last_not_of(kWhiteSpace) + 1);
    return word;
}

int32_t registeredDuration(uint32_t seconds) {
    return static_cast<int32_t>(std::min<uint32_t>(seconds, std::numeric_limits<int32_t>::max()));
}

int32_t takeNumberBefore(std::string& text, const std::string& unit) {
    const size_t position = text.find(unit);
    if (position == std::string::npos)
        return 0;
    const int32_t number = leadingInteger(std::string_view(text).substr(0, position));
    text.erase(0, position + unit.size());
    return number;
}

// Units are searched in the fixed order hours, minutes, seconds, each in what
// the previous search left; a missing unit counts 0 and text after the
// seconds unit is ignored. No language's label holds another's unit words.
int32_t parseDurationLabel(const std::string& label) {
    for (const Catalogue& catalogue : kCatalogues)
        if (const std::optional<int32_t> seconds = parseIn(label, unitsOf(Texts(catalogue)))) return *seconds;
    return 0;
}
