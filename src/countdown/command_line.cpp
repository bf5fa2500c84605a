#include "countdown/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "countdown/timer_name.h"
#include "resources/texts.h"
#include "timekeeping/time_text.h"

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
    TextId label;             // the label form whose unit word is taken too
    int64_t seconds;
};
constexpr std::array<Unit, 3> kUnits{{{"h", TextId::label_h, 3600}, {"m", TextId::label_m, 60}, {"s", TextId::label_s, 1}}};

bool takeSpelling(std::string_view& text, std::string_view spelling) {
    if (spelling.empty() || text.size() < spelling.size()) return false;
    const std::string_view head = text.substr(0, spelling.size());
    const bool same = spelling.size() == 1 ? (head[0] | 0x20) == spelling[0] : head == spelling;
    if (same) text.remove_prefix(spelling.size());
    return same;
}

// The unit's words in every language (the longest first, "min" before "m"),
// then its letter.
bool takeUnit(std::string_view& text, const Unit& unit) {
    std::vector<std::string> words;
    for (const Catalogue& catalogue : kCatalogues) words.push_back(unitWord(Texts(catalogue)[unit.label]));
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& word : words)
        if (takeSpelling(text, word)) return true;
    return takeSpelling(text, unit.letter);
}

// "1h30m", "45s", "1h30min", the Japanese units: numbers with units, hours
// before minutes before seconds, each at most once.
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

// One sentence a line, so that a long reason does not wrap in a box: a line
// ends after a full stop, "。" or ". ".
std::string sentencesOnLines(std::string text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, 3, "。") == 0 && at + 3 < text.size()) text.insert(at += 3, "\n");
        if (text.compare(at, 2, ". ") == 0) text[++at] = '\n';
    }
    return text;
}

CommandLine failure(TextId reason, std::string_view argument) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.refusal = reason;
    result.refused = std::string(argument);
    return result;
}

CommandLine shown(CommandLine::Action action) {
    CommandLine result;
    result.action = action;
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

// The first language built in that a --lang names, wherever it stands: it
// also chooses the language of --help and of a refusal that comes first.
std::optional<std::string> languageIn(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--name" || arg == "--at") ++i;  // their value is no option
        if (!isOption(arg, "--lang")) continue;
        const std::optional<std::string_view> language = optionValue(args, i, "--lang");
        if (language && catalogueFor(*language)) return std::string(*language);
    }
    return std::nullopt;
}

CommandLine parseArguments(const std::vector<std::string>& args) {
    CommandLine result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::optional<StartTime> time;
        std::string_view given = arg;  // the time as typed
        if (isOption(arg, "--name")) {
            const std::optional<std::string_view> name = optionValue(args, i, "--name");
            if (!name) return failure(TextId::args_missing_name, arg);
            if (!isValidTimerName(*name)) return failure(TextId::args_bad_name, *name);
            if (result.name) return failure(TextId::args_more_than_one_name, *name);
            result.name = std::string(*name);
            continue;
        }
        if (isOption(arg, "--lang")) {
            const std::optional<std::string_view> language = optionValue(args, i, "--lang");
            if (!language) return failure(TextId::args_missing_language, arg);
            if (!catalogueFor(*language)) return failure(TextId::args_bad_language, *language);
            if (result.language) return failure(TextId::args_more_than_one_language, *language);
            result.language = std::string(*language);
            continue;
        }
        if (arg == "--help" || arg == "-h") return shown(CommandLine::Action::Help);
        if (arg == "--version") return shown(CommandLine::Action::Version);
        if (isOption(arg, "--at")) {
            const std::optional<std::string_view> value = optionValue(args, i, "--at");
            if (!value) return failure(TextId::args_missing_clock, arg);
            given = *value;
            const std::optional<int32_t> target = clockTimeOf(given);
            if (!target) return failure(TextId::args_bad_clock, given);
            time = StartTime{*target, true};
        } else if (arg.starts_with("-") && !(arg.size() > 1 && isDigit(arg[1]))) {
            return failure(TextId::args_unknown_option, arg);
        } else {
            const std::optional<int64_t> seconds = arg.starts_with("-") ? std::optional<int64_t>(0) : durationOf(arg);
            if (!seconds) return failure(TextId::args_bad_duration, arg);
            if (*seconds < 1 || *seconds > kLongestStartSeconds) return failure(TextId::args_out_of_range, arg);
            time = StartTime{static_cast<int32_t>(*seconds), false};
        }
        if (result.start) return failure(TextId::args_more_than_one_time, given);
        result.start = time;
    }
    return result;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result = parseArguments(args);
    if (!result.language) result.language = languageIn(args);
    return result;
}

CommandLineMessage commandLineMessage(const CommandLine& line, const Texts& texts) {
    const std::string usage(texts[TextId::args_usage]);
    switch (line.action) {
    case CommandLine::Action::Help: return {usage, std::string(texts[TextId::args_usage_box])};
    case CommandLine::Action::Version: {
        const std::string version =
            texts.format(TextId::product_version_line, {texts[TextId::product_name], kVersionString});
        return {version, version};
    }
    case CommandLine::Action::Error: {
        const std::string refusal = texts.format(line.refusal, {line.refused, languageList()});
        return {refusal + "\n\n" + usage, sentencesOnLines(refusal) + "\n\n" + std::string(texts[TextId::args_help_hint])};
    }
    case CommandLine::Action::Run: break;
    }
    return {};
}
