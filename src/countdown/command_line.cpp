#include "countdown/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "resources/command_line_texts.h"
#include "countdown/timer_name.h"
#include "resources/texts.h"

namespace {

// Beyond any time the program takes, so that long digit runs cannot overflow.
constexpr int64_t kTooLarge = int64_t{1} << 40;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A run of decimal digits at the front of `text`, consumed; none gives nullopt.
std::optional<int64_t> takeNumber(std::string_view& text) {
    std::size_t i = 0;
    int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) value = std::min(value * 10 + (text[i] - '0'), kTooLarge);
    if (i == 0) return std::nullopt;
    text.remove_prefix(i);
    return value;
}

// Exactly two digits, 00 to 59.
std::optional<int64_t> takeSixtieth(std::string_view& text) {
    if (text.size() < 2 || !isDigit(text[0]) || !isDigit(text[1])) return std::nullopt;
    const int64_t value = (text[0] - '0') * 10 + (text[1] - '0');
    text.remove_prefix(2);
    return value < 60 ? std::optional(value) : std::nullopt;
}

// "1:30:00" (h:mm:ss) or "4:30" (m:ss).
std::optional<int64_t> clockForm(std::string_view text) {
    const std::optional<int64_t> first = takeNumber(text);
    if (!first || text.empty() || text[0] != ':') return std::nullopt;
    text.remove_prefix(1);
    const std::optional<int64_t> second = takeSixtieth(text);
    if (!second) return std::nullopt;
    if (text.empty()) return *first * 60 + *second;
    if (text[0] != ':') return std::nullopt;
    text.remove_prefix(1);
    const std::optional<int64_t> third = takeSixtieth(text);
    if (!third || !text.empty()) return std::nullopt;
    return *first * 3600 + *second * 60 + *third;
}

struct Unit {
    std::string_view letter;  // either case
    std::string_view word;    // as in the program's own labels
    int64_t seconds;
};
constexpr std::array<Unit, 3> kUnits{{{"h", "時間", 3600}, {"m", "分", 60}, {"s", "秒", 1}}};

bool takeUnit(std::string_view& text, const Unit& unit) {
    for (std::string_view spelling : {unit.word, unit.letter}) {
        if (text.size() < spelling.size()) continue;
        std::string_view head = text.substr(0, spelling.size());
        const bool same = spelling.size() == 1 ? (head[0] | 0x20) == spelling[0] : head == spelling;
        if (same) {
            text.remove_prefix(spelling.size());
            return true;
        }
    }
    return false;
}

// "1h30m", "45s", "1時間30分10秒": numbers with units, hours before minutes
// before seconds, each at most once.
std::optional<int64_t> unitForm(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int64_t total = 0;
    std::size_t next = 0;  // the first unit still allowed
    while (!text.empty()) {
        const std::optional<int64_t> number = takeNumber(text);
        if (!number) return std::nullopt;
        while (next < kUnits.size() && !takeUnit(text, kUnits[next])) ++next;
        if (next == kUnits.size()) return std::nullopt;
        total = std::min(total + *number * kUnits[next++].seconds, kTooLarge);
    }
    return total;
}

std::optional<int64_t> durationOf(std::string_view text) {
    std::string_view digits = text;
    if (const std::optional<int64_t> minutes = takeNumber(digits); minutes && digits.empty()) return *minutes * 60;
    if (text.find(':') != std::string_view::npos) return clockForm(text);
    return unitForm(text);
}

// "15:30": h:mm within 0:00-23:59, as seconds since midnight.
std::optional<int32_t> clockTimeOf(std::string_view text) {
    if (text.size() > 5 || text.find(':') != text.rfind(':')) return std::nullopt;
    const std::optional<int64_t> minutes = clockForm(text);  // read as m:ss, it counts minutes
    if (!minutes || *minutes >= 24 * 60) return std::nullopt;
    return static_cast<int32_t>(*minutes * 60);
}

// One sentence a line, so that a long reason does not wrap in a box.
std::string sentencesOnLines(std::string text) {
    constexpr std::string_view kFullStop = "。";
    for (std::size_t at = text.find(kFullStop); at != std::string::npos; at = text.find(kFullStop, at)) {
        at += kFullStop.size();
        if (at < text.size()) text.insert(at++, "\n");
    }
    return text;
}

CommandLine failure(std::string_view reason, std::string_view argument) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    const std::string refusal = std::string(kQuoteOpen) + std::string(argument) + std::string(kQuoteClose) +
                                std::string(reason);
    result.message = refusal + "\n\n" + std::string(kUsageText);
    result.boxMessage = sentencesOnLines(refusal) + "\n\n" + std::string(kHelpHint);
    return result;
}

CommandLine shown(CommandLine::Action action, std::string message, std::string_view boxMessage = {}) {
    CommandLine result;
    result.action = action;
    result.boxMessage = boxMessage.empty() ? message : std::string(boxMessage);
    result.message = std::move(message);
    return result;
}

// "--at 15:30" or "--at=15:30": the value, consumed; nullopt when none follows.
std::optional<std::string_view> optionValue(const std::vector<std::string>& args, std::size_t& i, std::string_view option) {
    const std::string_view arg = args[i];
    if (arg.size() > option.size()) return arg.substr(option.size() + 1);
    if (i + 1 < args.size()) return args[++i];
    return std::nullopt;
}

bool isOption(std::string_view arg, std::string_view option) {
    return arg == option || (arg.starts_with(option) && arg.size() > option.size() && arg[option.size()] == '=');
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::optional<StartTime> time;
        std::string_view given = arg;  // the time as typed
        if (isOption(arg, "--name")) {
            const std::optional<std::string_view> name = optionValue(args, i, "--name");
            if (!name) return failure(kMissingName, arg);
            if (!isValidTimerName(*name)) return failure(kBadName, *name);
            if (result.name) return failure(kMoreThanOneName, *name);
            result.name = std::string(*name);
            continue;
        }
        if (arg == "--help" || arg == "-h") return shown(CommandLine::Action::Help, std::string(kUsageText), kUsageBoxText);
        if (arg == "--version") {
            return shown(CommandLine::Action::Version,
                         std::string(kProductName) + std::string(kTooltipVersionPrefix) + std::string(kVersionString));
        }
        if (isOption(arg, "--at")) {
            const std::optional<std::string_view> value = optionValue(args, i, "--at");
            if (!value) return failure(kMissingClockTime, arg);
            given = *value;
            const std::optional<int32_t> target = clockTimeOf(given);
            if (!target) return failure(kBadClockTime, given);
            time = StartTime{*target, true};
        } else if (arg.starts_with("-") && !(arg.size() > 1 && isDigit(arg[1]))) {
            return failure(kUnknownOption, arg);
        } else {
            const std::optional<int64_t> seconds = arg.starts_with("-") ? std::optional<int64_t>(0) : durationOf(arg);
            if (!seconds) return failure(kBadDuration, arg);
            if (*seconds < 1 || *seconds > kLongestStartSeconds) return failure(kDurationOutOfRange, arg);
            time = StartTime{static_cast<int32_t>(*seconds), false};
        }
        if (result.start) return failure(kMoreThanOneTime, given);
        result.start = time;
    }
    return result;
}
