#include <algorithm>

#include "fake/fake_platform.h"

void FakeTime::setTimer(const void* owner, uint32_t id, uint32_t periodMs, Handler handler) {
    timers_[{owner, id}] = Timer{periodMs, t_ + periodMs, sequence_++, std::move(handler)};
}

void FakeTime::killTimer(const void* owner, uint32_t id) { timers_.erase({owner, id}); }

void FakeTime::killAll(const void* owner) {
    std::erase_if(timers_, [owner](const auto& entry) { return entry.first.first == owner; });
}

bool FakeTime::isRunning(const void* owner, uint32_t id) const { return timers_.count({owner, id}) != 0; }

std::optional<uint32_t> FakeTime::period(const void* owner, uint32_t id) const {
    auto it = timers_.find({owner, id});
    if (it == timers_.end()) return std::nullopt;
    return it->second.periodMs;
}

void FakeTime::advance(uint32_t ms) {
    const uint64_t target = t_ + ms;
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due > target) continue;
            if (next == timers_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.sequence < next->second.sequence))
                next = it;
        }
        if (next == timers_.end()) break;
        // An overdue timer (after skip) fires now, once, and counts on from now.
        t_ = std::max(t_, next->second.due);
        // A zero period would fire forever at one instant; Windows raises it too.
        next->second.due = t_ + (next->second.periodMs == 0 ? 10 : next->second.periodMs);
        const uint32_t id = next->first.second;
        Handler handler = next->second.handler;  // the handler may kill its own timer
        ++fired_;
        handler(id);
    }
    t_ = target;
}
