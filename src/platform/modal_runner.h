// Creates the native timer window and runs it modally. The backend attaches
// its WindowHost to the core window before the first message, routes every
// message to the core handlers and returns when the core ends the run.
#pragma once

class TimerWindow;

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int runModal(TimerWindow& window) = 0;
};
