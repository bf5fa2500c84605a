#include "settings/timer_slot.h"

std::string slotPath(const std::string& mainPath, const std::string& suffix) {
    const std::string extension = ".dat";
    const bool dat = mainPath.size() >= extension.size() &&
                     mainPath.compare(mainPath.size() - extension.size(), extension.size(), extension) == 0;
    const std::string stem = dat ? mainPath.substr(0, mainPath.size() - extension.size()) : mainPath;
    return stem + "-" + suffix + extension;
}

TimerSlot claimSlot(TimerInstances& instances, const std::string& mainPath, const std::optional<std::string>& name) {
    if (name) {
        TimerSlot slot{slotPath(mainPath, *name), nullptr, false};
        slot.hold = instances.tryHold(slot.path);
        return slot;
    }
    for (int number = 1; number <= kMostTimers; ++number) {
        const std::string path = number == 1 ? mainPath : slotPath(mainPath, std::to_string(number));
        if (std::unique_ptr<FileHold> hold = instances.tryHold(path)) return TimerSlot{path, std::move(hold), number == 1};
    }
    return TimerSlot{mainPath, nullptr, true};
}
