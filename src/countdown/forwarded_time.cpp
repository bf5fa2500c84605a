#include "countdown/forwarded_time.h"

#include <charconv>

namespace {

constexpr std::string_view kHeader = "QuillastorTimer/1 ";
constexpr std::string_view kRaise = "raise";
constexpr std::string_view kDuration = "duration ";
constexpr std::string_view kClockTime = "at ";
constexpr int32_t kSecondsPerDay = 86400;

// Digits as std::to_string writes them: no sign, no leading zero.
std::optional<int32_t> wholeNumber(std::string_view text) {
    if (text.empty() || text[0] == '-' || (text[0] == '0' && text.size() > 1)) return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string encodeForwardedTime(const ForwardedTime& forwarded) {
    const std::optional<StartTime>& time = forwarded.time;
    std::string message(kHeader);
    if (!time) return message + std::string(kRaise);
    message += time->clockTime ? kClockTime : kDuration;
    return message + std::to_string(time->seconds);
}

std::optional<ForwardedTime> decodeForwardedTime(std::string_view message) {
    if (!message.starts_with(kHeader)) return std::nullopt;
    message.remove_prefix(kHeader.size());
    if (message == kRaise) return ForwardedTime{};
    const bool clockTime = message.starts_with(kClockTime);
    if (!clockTime && !message.starts_with(kDuration)) return std::nullopt;
    const std::optional<int32_t> seconds = wholeNumber(message.substr((clockTime ? kClockTime : kDuration).size()));
    if (!seconds) return std::nullopt;
    const bool inRange = clockTime ? *seconds < kSecondsPerDay : *seconds >= 1 && *seconds <= kLongestStartSeconds;
    if (!inRange) return std::nullopt;
    return ForwardedTime{StartTime{*seconds, clockTime}};
}
