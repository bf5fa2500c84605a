// What only the OS can tell about the other running timers: a hold on a
// settings file that ends with its process (also when it is killed), the
// places of the other timers' windows, and a message to the timer that holds
// a file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"

class FileHold {
public:
    virtual ~FileHold() = default;
    // Messages sent to the holder arrive here, on the UI thread.
    virtual void setReceiver(std::function<void(const std::string& message)> receiver) = 0;
};

class TimerInstances {
public:
    virtual ~TimerInstances() = default;
    // Holds `key` (a settings file's path) for as long as the result lives;
    // null while another process holds it.
    virtual std::unique_ptr<FileHold> tryHold(const std::string& key) = 0;
    // Outer rectangles of the other timers' windows, screen coordinates;
    // empty where the window system does not tell.
    virtual std::vector<Rect> otherTimerRects() const = 0;
    // Hands `message` to the process that holds `key`; false when none took it.
    virtual bool send(const std::string& key, const std::string& message) = 0;
};
