// The application object: builds the countdown window, runs it modally and
// destroys it. main() of each backend calls run().
#pragma once

#include "platform/modal_runner.h"
#include "platform/services.h"

class TimerApp {
public:
    // Returns false, as the program then ends.
    bool run(Services& services, ModalRunner& runner);
};
