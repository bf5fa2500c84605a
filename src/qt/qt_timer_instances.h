// The other timers on Linux. A timer holds its settings file with flock() on
// a lock file named after the file, in the program's private runtime folder
// (runtime_folder.h): the kernel lets go when the process ends, however, and
// no other user can take it, nor can a socket's fate end it. Beside the lock,
// the holder listens for the time a second start of a named timer hands it
// (message_socket.h). The other timers' windows are found through the window
// system.
#pragma once

#include <optional>
#include <string>

#include "platform/timer_instances.h"

class QtTimerInstances final : public TimerInstances {
public:
    // Without a private folder a timer still runs, holding and hearing
    // nothing; it says so once on standard error.
    std::unique_ptr<FileHold> tryHold(const std::string& key) override;
    std::vector<Rect> otherTimerRects() const override;
    bool send(const std::string& key, const std::string& message) override;

    // The lock file and the socket for `key`, without their extensions.
    std::optional<std::string> pathsFor(const std::string& key);

private:
    std::optional<std::string> folder();
    bool folderChecked_ = false;
    std::optional<std::string> folder_;
};

// The window role that marks a timer window among the program's windows.
inline constexpr const char* kTimerWindowRole = "quillastor-timer";
