// Starts a program and reports how long it took until its first window was
// mapped: "<pid> <milliseconds>". The program keeps running. Run it on a
// display without a window manager, so top-level windows map as children of
// the root window.
#include <X11/Xlib.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_probe program [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program must not hold our output open: callers read it to the end.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify) continue;
        XWindowAttributes attributes;
        // Qt's helper windows are 1 x 1 and never mapped; skip anything tiny.
        if (!XGetWindowAttributes(display, event.xmap.window, &attributes) || attributes.width < 8) continue;
        const auto elapsed = std::chrono::steady_clock::now() - start;
        std::printf("%d %.1f\n", static_cast<int>(pid),
                    std::chrono::duration<double, std::milli>(elapsed).count());
        return 0;
    }
}
