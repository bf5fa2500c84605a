#include "countdown/spoken_time.h"

#include "timekeeping/time_text.h"

namespace {

std::string amount(int32_t count, TextId one, TextId many, const Texts& texts) {
    return texts.format(count == 1 ? one : many, {std::to_string(count)});
}

// "1 hour 5 seconds": the parts that are not zero; nothing at all is 0 seconds.
std::string inWords(int32_t seconds, const Texts& texts) {
    std::string words;
    const auto add = [&](int32_t count, TextId one, TextId many) {
        if (count == 0) return;
        const std::string part = amount(count, one, many, texts);
        words = words.empty() ? part : texts.format(TextId::spoken_parts, {words, part});
    };
    add(hoursOf(seconds), TextId::spoken_hour, TextId::spoken_hours);
    add(minutesOf(seconds), TextId::spoken_minute, TextId::spoken_minutes);
    add(secondsOf(seconds), TextId::spoken_second, TextId::spoken_seconds);
    return words.empty() ? amount(0, TextId::spoken_second, TextId::spoken_seconds, texts) : words;
}

// The minute a change is told at: counting down, the one the shown time
// ends in (2:00 to 2:59 are the third); past zero, the one it is in.
int32_t minuteOf(const SpokenMoment& m) {
    return m.state == SpokenState::Alarm ? m.shownSeconds / 60 : (m.shownSeconds + 59) / 60;
}

}  // namespace

std::string spokenTime(const SpokenMoment& moment, const Texts& texts) {
    const std::string time = inWords(moment.shownSeconds, texts);
    switch (moment.state) {
    case SpokenState::Alarm:
        return moment.shownSeconds == 0 ? std::string(texts[TextId::spoken_time_up])
                                        : texts.format(TextId::spoken_time_up_ago, {time});
    case SpokenState::Running: return texts.format(TextId::spoken_left_running, {time});
    default: return texts.format(TextId::spoken_left_stopped, {time});
    }
}

std::optional<AccessibleChange> SpeechPacer::next(const SpokenMoment& moment) {
    const std::optional<SpokenMoment> last = last_;
    last_ = moment;
    if (!last) return std::nullopt;
    if (moment.state != last->state || moment.duration != last->duration)
        return moment.state == SpokenState::Alarm ? AccessibleChange::TimeUp : AccessibleChange::Value;
    const bool counting = moment.state == SpokenState::Running || moment.state == SpokenState::Alarm;
    if (counting && minuteOf(moment) != minuteOf(*last)) return AccessibleChange::Value;
    return std::nullopt;
}
