// The label form of a duration ("1時間1分1秒") and its parser. Texts are
// UTF-8: a unit word is a complete UTF-8 sequence starting with a lead byte,
// so a plain byte search can only match it at a character boundary.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "timekeeping/time_text.h"

namespace {

constexpr std::string_view kHoursUnit = "時間";
constexpr std::string_view kMinutesUnit = "分";
constexpr std::string_view kSecondsUnit = "秒";
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

bool isSpace(char c) { return kWhiteSpace.find(c) != std::string_view::npos; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void appendPart(std::string& label, int32_t value, std::string_view unit) {
    label += std::to_string(value);
    label += unit;
}

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

}  // namespace

std::string durationLabel(int32_t seconds) {
    const int32_t h = hoursOf(seconds);
    const int32_t m = minutesOf(seconds);
    const int32_t s = secondsOf(seconds);
    std::string label;
    if (h > 0)
        appendPart(label, h, kHoursUnit);
    if (m > 0 || (h > 0 && s > 0))  // "1時間0分1秒" spells the zero minutes out
        appendPart(label, m, kMinutesUnit);
    if (s > 0 || (h <= 0 && m <= 0))  // a zero duration reads "0秒"
        appendPart(label, s, kSecondsUnit);
    return label;
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
// seconds unit is ignored.
int32_t parseDurationLabel(const std::string& label) {
    std::string rest = label;
    trimLeadingSpace(rest);
    const int32_t hours = takeNumberBefore(rest, std::string(kHoursUnit));
    trimLeadingSpace(rest);
    const int32_t minutes = takeNumberBefore(rest, std::string(kMinutesUnit));
    trimLeadingSpace(rest);
    const int32_t seconds = takeNumberBefore(rest, std::string(kSecondsUnit));
    return toSeconds(hours, minutes, seconds);
}
