#include "countdown/alarm_notice.h"

#include <array>

#include "timekeeping/time_text.h"

namespace {

constexpr std::string_view kNotifyKey = "notify";

struct ActionRow {
    AlarmNotice::Action action;
    std::string_view key;
    TextId label;
};

// The buttons in the order they show.
constexpr std::array<ActionRow, 3> kActions{{
    {AlarmNotice::Action::Stop, "stop", TextId::notice_stop},
    {AlarmNotice::Action::OneMinuteMore, "one-minute-more", TextId::notice_one_minute},
    {AlarmNotice::Action::Restart, "restart", TextId::notice_restart},
}};

}  // namespace

void AlarmNotice::useOptions(ProgramOptions* options) {
    options_ = options;
    if (options_) enabled_ = options_->value(kNotifyKey) == "on";
}

bool AlarmNotice::toggle() {
    enabled_ = !enabled_;
    return !options_ || options_->set(kNotifyKey, enabled_ ? "on" : "off");
}

const std::string& AlarmNotice::optionsPath() const {
    static const std::string none;
    return options_ ? options_->path() : none;
}

void AlarmNotice::post(const std::string& title, int32_t seconds, Handler handler) {
    if (!enabled_ || !notifications_) return;
    Notification notification{title, texts_.format(TextId::notice_body, {durationLabel(seconds, texts_)}), {}, {}};
    for (const ActionRow& row : kActions)
        notification.actions.push_back({std::string(row.key), std::string(texts_[row.label])});
    // A click on the notification itself ends the alarm, as a click on the window does.
    notification.clickAction = std::string(kActions[0].key);
    handler_ = std::move(handler);
    posted_ = true;
    const uint64_t serial = ++serial_;
    notifications_->post(notification, [this, serial](std::string_view key) { answer(serial, key); });
}

void AlarmNotice::withdraw() {
    if (!posted_) return;
    posted_ = false;
    ++serial_;
    notifications_->withdraw();
}

void AlarmNotice::answer(uint64_t serial, std::string_view actionKey) {
    if (!posted_ || serial != serial_) return;
    if (actionKey.empty()) {  // closed by the user or the server: nothing left to withdraw
        posted_ = false;
        return;
    }
    for (const ActionRow& row : kActions) {
        if (row.key != actionKey) continue;
        // The handler ends the alarm, and with it this notification.
        const Handler handler = handler_;
        handler(row.action);
        return;
    }
}
