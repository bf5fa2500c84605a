// The other timers on Linux: a timer holds its settings file by listening on
// a local socket in the abstract namespace, named after the file; the kernel
// frees the name when the process ends, however. A second start of a named
// timer writes its message to that socket. The other timers' windows are
// found through the window system.
#pragma once

#include "platform/timer_instances.h"

class QtTimerInstances final : public TimerInstances {
public:
    std::unique_ptr<FileHold> tryHold(const std::string& key) override;
    std::vector<Rect> otherTimerRects() const override;
    bool send(const std::string& key, const std::string& message) override;
};

// The window role that marks a timer window among the program's windows.
inline constexpr const char* kTimerWindowRole = "quillastor-timer";
