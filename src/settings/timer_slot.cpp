#include "settings/timer_slot.h"

std::string slotPath(const std::string& mainPath, const std::string& suffix) {
    const std::string extension = ".dat";
    const bool dat = mainPath.size() >= extension.size() &&
                     mainPath.compare(mainPath.size() - extension.size(), extension.size(), extension) == 0;
    const std::string stem = dat ? mainPath.substr(0, mainPath.size() - extension.size()) : mainPath;
    return stem + "-" + suffix + extension;
}

TimerSlot claimSlot(TimerInstances& instances, FileStore& files, const SettingsFolders& folders,
                    const std::string& mainName, const std::optional<std::string>& name) {
    const std::string mainFolder = settingsFolder(files, folders, mainName);
    const auto claim = [&](const std::string& fileName) {
        const bool main = fileName == mainName;
        const std::string folder = main ? mainFolder : settingsFolder(files, folders, fileName);
        TimerSlot slot{pathInFolder(folder, fileName), pathInFolder(files.canonicalFolder(folder), fileName), nullptr,
                       main ? std::string() : pathInFolder(mainFolder, mainName)};
        slot.hold = instances.tryHold(slot.key);
        return slot;
    };
    if (name) return claim(slotPath(mainName, *name));
    for (int number = 1; number <= kMostTimers; ++number) {
        TimerSlot slot = claim(number == 1 ? mainName : slotPath(mainName, std::to_string(number)));
        if (slot.hold) return slot;
    }
    return {};
}
