// A fake platform with virtual time for the core tests; nothing here sleeps.
//  - FakeTime is the tick source and the scheduler of every window timer:
//    advance(ms) fires the due timers in due order (ties in the order they
//    were set), each at its due time; skip(ms) moves the clock without firing
//    (a busy message loop), and the overdue timers fire once at the next advance.
//  - FakeWindow is a rectangle with a 4 px frame that logs every call
//    ("moveTo 10,20", "resize 100x50", "topmost 1", "redraw", ...); resizing
//    calls onSize, redrawNow paints into a fresh RecordingCanvas.
//  - FakeTextMeasurer: cx = length * h * widthPercent / 100, cy = h *
//    heightPercent / 100; above fitLimit nothing fits, above growthCap the
//    extent stops growing. Every measured height goes to `heights`.
//  - The rest record what they were asked and answer what the test scripted.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fake/recording_canvas.h"
#include "platform/modal_runner.h"
#include "platform/services.h"
#include "platform/window_host.h"

class TimerWindow;

class FakeTime : public TickSource {
public:
    explicit FakeTime(uint32_t startMs = 1000) : start_(startMs) {}
    uint32_t nowMs() const override { return start_ + static_cast<uint32_t>(t_); }

    using Handler = std::function<void(uint32_t id)>;
    // Timers are keyed by (owner, id); owner is any stable pointer.
    void setTimer(const void* owner, uint32_t id, uint32_t periodMs, Handler handler);
    void killTimer(const void* owner, uint32_t id);
    void killAll(const void* owner);
    bool isRunning(const void* owner, uint32_t id) const;
    std::optional<uint32_t> period(const void* owner, uint32_t id) const;

    void advance(uint32_t ms);
    void skip(uint32_t ms) { t_ += ms; }
    int firedCount() const { return fired_; }

private:
    struct Timer {
        uint32_t periodMs;
        uint64_t due;  // on the 64-bit virtual axis, so wraps do not reorder
        uint64_t sequence;
        Handler handler;
    };
    std::map<std::pair<const void*, uint32_t>, Timer> timers_;
    uint32_t start_;
    uint64_t t_ = 0;  // virtual milliseconds since construction
    uint64_t sequence_ = 0;
    int fired_ = 0;
};

class FakeSystemValues : public SystemValues {
public:
    Size maximizedWindowSize() const override { return maximized; }
    Size sizingFrame() const override { return frame; }
    Size dragThreshold() const override { return drag; }
    uint32_t doubleClickTimeMs() const override { return doubleClickMs; }
    std::vector<Rect> monitorRects() const override { return monitors; }

    Size maximized{1040, 800};
    Size frame{4, 4};
    Size drag{4, 4};
    uint32_t doubleClickMs = 500;
    std::vector<Rect> monitors{{0, 0, 1024, 768}};
};

class FakeTextMeasurer : public TextMeasurer {
public:
    Size measure(const LogFont& font, const std::string& utf8) const override;

    int32_t widthPercent = 50;
    int32_t heightPercent = 100;
    int32_t defaultHeight = 16;
    std::optional<int32_t> fitLimit;
    std::optional<int32_t> growthCap;
    mutable std::vector<int32_t> heights;
    mutable std::vector<std::string> texts;
};

class FakeLocalClock : public LocalClock {
public:
    TimeOfDay now() const override { return time; }
    TimeOfDay time{12, 0, 0};
};

class FakeSoundPlayer : public SoundPlayer {
public:
    void playLoop(const std::string& fileName) override { events.push_back("play " + fileName); }
    void stop() override { events.push_back("stop"); }
    std::vector<std::string> events;
};

class FakeShell : public Shell {
public:
    void open(const std::string& path) override { opened.push_back(path); }
    std::vector<std::string> opened;
};

class FakeFileStore : public FileStore {
public:
    std::optional<std::vector<uint8_t>> readAll(const std::string& path) override {
        if (files.count(path) == 0) return std::nullopt;
        return files[path];
    }
    bool replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) override {
        ++writes;
        if (!failWrites) files[path] = bytes;
        return !failWrites;
    }
    bool exists(const std::string& path) override { return files.count(path) != 0; }

    std::map<std::string, std::vector<uint8_t>> files;
    bool failWrites = false;
    int writes = 0;
};

struct ShownMessage { std::string text; std::optional<std::string> caption; uint32_t style = 0; };

class FakeMessageBoxes : public MessageBoxes {
public:
    void show(const std::string& text, const std::optional<std::string>& caption, uint32_t style) override {
        shown.push_back({text, caption, style});
    }
    std::vector<ShownMessage> shown;
};

class FakeCommonDialogs : public CommonDialogs {
public:
    std::optional<FontChoice> chooseFont(const LogFont& initial, ColorRef initialColor) override {
        fontCalls.emplace_back(initial, initialColor);
        return fontAnswer;
    }
    std::optional<ColorRef> chooseColor(ColorRef initial) override {
        colorCalls.push_back(initial);
        return colorAnswer;
    }

    std::optional<FontChoice> fontAnswer;   // nullopt: the user cancels
    std::optional<ColorRef> colorAnswer;
    std::vector<std::pair<LogFont, ColorRef>> fontCalls;
    std::vector<ColorRef> colorCalls;
};

class FakeMenuPresenter : public MenuPresenter {
public:
    std::optional<uint32_t> track(const MenuModel& menu, Point screen) override {
        shown.push_back(menu);
        points.push_back(screen);
        if (whileOpen) whileOpen();
        return choice;
    }

    std::optional<uint32_t> choice;     // nullopt: dismissed
    std::function<void()> whileOpen;    // runs before the answer is given
    std::vector<MenuModel> shown;
    std::vector<Point> points;
};

class FakeDialogRunner : public DialogRunner {
public:
    int runSetTime(SetTimeDialog& dialog) override {
        ++setTimeRuns;
        return onSetTime ? onSetTime(dialog) : kDialogCancel;
    }
    int runRegisteredTimes(RegisteredTimesDialog& dialog) override {
        ++registeredTimesRuns;
        return onRegisteredTimes ? onRegisteredTimes(dialog) : kDialogCancel;
    }

    std::function<int(SetTimeDialog&)> onSetTime;
    std::function<int(RegisteredTimesDialog&)> onRegisteredTimes;
    int setTimeRuns = 0;
    int registeredTimesRuns = 0;
};

class FakeWindow : public WindowHost {
public:
    FakeWindow(FakeTime& time, const FakeSystemValues& system);
    ~FakeWindow() override;

    // Binds the core window both ways (the backend's attach).
    void attach(TimerWindow& window);
    // The native window is gone: its timers stop, nothing reaches the core.
    void detach();

    Rect windowRect() const override { return rect; }
    Size clientSize() const override;
    Point clientToScreen(Point client) const override;
    bool isMinimized() const override { return minimized; }
    void moveTo(int32_t x, int32_t y) override;
    void resizeTo(int32_t width, int32_t height) override;
    void place(const Rect& outer) override;
    void setTopmost(bool on) override { note(on ? "topmost 1" : "topmost 0"); topmost = on; }
    void captureMouse() override { note("capture"); captured = true; }
    void releaseMouse() override { note("release"); captured = false; }
    void setTimer(uint32_t id, uint32_t periodMs) override;
    void killTimer(uint32_t id) override;
    void redrawNow() override;
    LogFont dialogFont() const override { return templateFont; }
    void createTooltip(const std::string& text) override { note("tooltip"); tooltip = text; }
    void endModal(int result) override { note("endModal " + std::to_string(result)); endResult = result; }

    bool timerRunning(uint32_t id) const { return time_.isRunning(this, id); }
    std::optional<uint32_t> timerPeriod(uint32_t id) const { return time_.period(this, id); }
    bool logContains(const std::string& entry) const;
    void clearLog() { log.clear(); }
    void note(const std::string& entry) { log.push_back(entry); }

    Rect rect{100, 100, 300, 180};
    bool minimized = false;
    bool topmost = false;
    bool captured = false;
    int redraws = 0;
    std::optional<std::string> tooltip;
    std::optional<int> endResult;
    LogFont templateFont;
    std::vector<std::string> log;
    RecordingCanvas lastCanvas;
    std::vector<std::string> paintedTexts;

private:
    void changeSize(const Rect& next);
    FakeTime& time_;
    const FakeSystemValues& system_;
    TimerWindow* window_ = nullptr;
};

// The modal run: the native window is made (its first size message comes
// while the sizing guard is still up), initialised, then `session` drives
// it; the run ends when the session returns.
class FakeModalRunner : public ModalRunner {
public:
    explicit FakeModalRunner(std::function<std::unique_ptr<FakeWindow>()> makeWindow)
        : makeWindow_(std::move(makeWindow)) {}
    int runModal(TimerWindow& window) override;

    std::function<void(TimerWindow&, FakeWindow&)> session;
    std::unique_ptr<FakeWindow> window;  // the last run's window, kept for checks
    int runs = 0;

private:
    std::function<std::unique_ptr<FakeWindow>()> makeWindow_;
};

// The "ＭＳ Ｐゴシック" 12 pt record of the window template, as the fake reports it.
LogFont fakeTemplateFont();

class FakePlatform {
public:
    FakePlatform();
    Services& services() { return services_; }
    // A window ready for a core window: attach(window) binds it.
    std::unique_ptr<FakeWindow> makeWindow() { return std::make_unique<FakeWindow>(time, system); }
    void advance(uint32_t ms) { time.advance(ms); }

    FakeTime time;
    FakeSystemValues system;
    FakeTextMeasurer text;
    FakeLocalClock clock;
    FakeSoundPlayer sound;
    FakeShell shell;
    FakeFileStore files;
    FakeMessageBoxes messages;
    FakeCommonDialogs commonDialogs;
    FakeMenuPresenter menus;
    FakeDialogRunner dialogs;
    FakeModalRunner runner;

private:
    Services services_;
};
