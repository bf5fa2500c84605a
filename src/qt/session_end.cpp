#include "qt/session_end.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <iterator>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
struct sigaction previousActions[std::size(kSignals)];
int signalPipe[2] = {-1, -1};
std::function<bool()>* savingAtExit = nullptr;

// Only what is safe in a signal handler: one byte into the pipe.
void onTerminationSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

// A signal ignored at start (SIGHUP under nohup) stays ignored.
void installHandlers() {
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], nullptr, &previousActions[i]);
        if (previousActions[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &action, nullptr);
    }
}

void restoreHandlers() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &previousActions[i], nullptr);
}

// pipe2() is not on macOS.
bool openSignalPipe() {
    if (pipe(signalPipe) != 0) return false;
    for (int fd : signalPipe) {
        fcntl(fd, F_SETFD, FD_CLOEXEC);
        fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    return true;
}

// Menus and dialogs open at the time close as if cancelled, so that the
// window's run can end.
void closeOpenDialogs() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(widget))
            dialog->reject();
        else if (widget->windowType() == Qt::Popup)
            widget->close();
    }
}

}  // namespace

SessionEnd::SessionEnd(std::function<bool()> save, std::function<void()> quit)
    : save_(std::move(save)), quit_(std::move(quit)) {
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!save_()) manager.cancel();
    });
    if (openSignalPipe()) {
        notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::onSignal);
        installHandlers();
    }
    // Qt ends the program with exit() when the X server's connection breaks:
    // the one chance it gives is the functions exit() runs. (Its Wayland
    // plug-in calls _exit(), which runs none.)
    static const bool registered = std::atexit(saveAtExit) == 0;
    (void)registered;
    savingAtExit = &save_;
}

SessionEnd::~SessionEnd() {
    savingAtExit = nullptr;
    if (!notifier_) return;
    restoreHandlers();
    delete notifier_;
    close(signalPipe[0]);
    close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void SessionEnd::onSignal() {
    char byte = 0;
    while (read(signalPipe[0], &byte, 1) > 0) {
    }
    save_();
    closeOpenDialogs();
    quit_();
}

void SessionEnd::saveAtExit() {
    if (savingAtExit) (*savingAtExit)();
}
