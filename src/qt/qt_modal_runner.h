// Runs the core timer window in a TimerWidget until the window ends its run;
// the ends of the session (see session_end.h) go to the window meanwhile.
#pragma once

#include "platform/modal_runner.h"
#include "platform/system_values.h"

class QtModalRunner final : public ModalRunner {
public:
    explicit QtModalRunner(const SystemValues& system) : system_(system) {}
    int runModal(TimerWindow& window) override;

private:
    const SystemValues& system_;
};
