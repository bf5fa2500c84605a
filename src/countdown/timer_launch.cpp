#include "countdown/timer_launch.h"

#include "countdown/forwarded_time.h"

TimerLaunch launchTimer(TimerInstances& instances, FileStore& files, const std::string& besideProgram,
                        const std::string& userFolder, const std::optional<std::string>& name,
                        const std::optional<StartTime>& time, const Texts& texts) {
    const auto [programFolder, mainName] = folderAndName(besideProgram);
    const SettingsFolders folders{programFolder, userFolder};
    TimerLaunch launch;
    for (int attempt = 0; attempt < kForwardAttempts; ++attempt) {
        launch.slot = claimSlot(instances, files, folders, mainName, name);
        if (launch.slot.hold) return launch;
        if (!name) break;
        if (instances.send(launch.slot.key, encodeForwardedTime({time}))) {
            launch.outcome = TimerLaunch::Outcome::Forwarded;
            return launch;
        }
    }
    launch.outcome = TimerLaunch::Outcome::Failed;
    launch.message = name ? texts.format(TextId::timers_unreachable, {*name}) : std::string(texts[TextId::timers_too_many]);
    return launch;
}
