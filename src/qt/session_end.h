// The ends of a session that must not lose the settings, while the timer
// window runs: the session manager's request to save, SIGTERM (log-out,
// shutdown), SIGHUP (the terminal closed), SIGINT (Ctrl+C), and the X
// server's connection breaking. Each saves through the window, as a Windows
// log-off does; a signal then ends the run as Exit would.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

class SessionEnd final : public QObject {
public:
    // `save`: the window's answer to the end of the session (false: it refuses).
    // `quit`: ends the window's run.
    SessionEnd(std::function<bool()> save, std::function<void()> quit);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

private:
    void onSignal();
    static void saveAtExit();

    std::function<bool()> save_;
    std::function<void()> quit_;
    QSocketNotifier* notifier_ = nullptr;
};
