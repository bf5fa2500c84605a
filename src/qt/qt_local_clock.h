// The local time of day from Qt.
#pragma once

#include <QTime>

#include "platform/local_clock.h"

class QtLocalClock final : public LocalClock {
public:
    TimeOfDay now() const override {
        const QTime t = QTime::currentTime();
        return TimeOfDay{t.hour(), t.minute(), t.second()};
    }
};
