#include "settings/countdown_settings.h"

bool CountdownSettings::serialize(Archive& archive) {
    if (!WindowSettings::serialize(archive)) return false;
    if (!archive.isLoading()) {
        archive.writeInt32(alarmSound);
        archive.writeInt32(static_cast<int32_t>(registeredTimes.size()));
        for (const uint32_t seconds : registeredTimes) archive.writeUInt32(seconds);
        archive.writeInt32(countdownSeconds);
        archive.writeInt32(autoStart);
        return true;
    }
    int32_t count = 0;
    if (!archive.readInt32(alarmSound) || !archive.readInt32(count)) return false;
    // The count is never trusted: entries are read one at a time, so a huge
    // count in a short file stops at the first missing entry.
    for (int32_t i = 0; i < count; ++i) {
        uint32_t seconds = 0;
        if (!archive.readUInt32(seconds)) return false;
        registeredTimes.push_back(seconds);
    }
    return archive.readInt32(countdownSeconds) && archive.readInt32(autoStart);
}

void CountdownSettings::limitRegisteredTimes() {
    if (registeredTimes.size() > kMaxRegisteredTimes) registeredTimes.resize(kMaxRegisteredTimes);
}
