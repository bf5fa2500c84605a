// A fake platform with virtual time for the core tests; nothing here sleeps.
// The one FakeWindow is a rectangle with a 4 px frame that logs what the core
// asks of it, and the clock: advance() fires its due timers in due order (ties
// in the order they were set), skip() passes time without firing, as a busy
// message loop does. The rest record what they were asked and answer what
// the test scripted.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/modal_runner.h"
#include "platform/services.h"
#include "platform/timer_instances.h"
#include "platform/window_host.h"

class TimerWindow;

struct FakeSystemValues : SystemValues {
    Rect primaryWorkArea() const override { return workArea; }
    Size sizingFrame() const override { return {4, 4}; }
    Size dragThreshold() const override { return drag; }
    uint32_t doubleClickTimeMs() const override { return doubleClickMs; }
    std::vector<Rect> monitorRects() const override { return monitors; }
    std::vector<Rect> workAreas() const override { return areas.empty() ? monitors : areas; }
    Size drag{4, 4};
    uint32_t doubleClickMs = 500;
    std::vector<Rect> monitors{{0, 0, 1024, 768}};
    std::vector<Rect> areas;  // none: the whole monitors
    Rect workArea{0, 0, 1040, 800};  // Windows' maximized size at (0, 0)
};

// cx = length * h / 2, cy = h; above
// fitLimit nothing fits, above growthCap the extent stops growing.
struct FakeTextMeasurer : TextMeasurer {
    Size measure(const LogFont& font, const std::string& utf8) const override;
    std::optional<int32_t> fitLimit;
    std::optional<int32_t> growthCap;
    mutable std::vector<int32_t> heights;
};

struct FakeLocalClock : LocalClock {
    TimeOfDay now() const override { return time; }
    TimeOfDay time{12, 0, 0};
};

// Sound, shell, message boxes and notifications write one line per call into
// `said`; `answer` is what the last notification posted answers through.
struct FakeOutput : SoundPlayer, Shell, MessageBoxes, Notifications {
    void playLoop(const std::string& file) override { said.push_back("play " + file); }
    void post(const Notification& n, Answer a) override;
    void withdraw() override { said.push_back("withdraw"); }
    Answer answer;
    void stop() override { said.push_back("stop"); }
    void open(const std::string& path) override { said.push_back("open " + path); }
    void show(const std::string& text, const std::optional<std::string>& caption, uint32_t style) override {
        said.push_back("box " + text + "|" + caption.value_or("-") + "|" + std::to_string(style));
    }
    std::vector<std::string> said;
};

// Paths in `unreadable` are there but cannot be read, as is a file beyond
// the largest size; writes to paths in `refused` fail. `closedFolders` take
// no new file; `spellings` maps other spellings of a folder to its canonical one.
struct FakeFileStore : FileStore {
    FileRead read(const std::string& path) override {
        if (unreadable.count(path) || (files.count(path) && files[path].size() > kLargestFileBytes))
            return {FileRead::Status::Unreadable, {}};
        return files.count(path) ? FileRead{FileRead::Status::Read, files[path]} : FileRead{};
    }
    bool replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) override {
        ++writes;
        if (refused.count(path)) return false;
        files[path] = bytes;
        return true;
    }
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool createFolders(const std::string& folder) override { return created.insert(folder), true; }
    bool takesNewFiles(const std::string& folder) override { return !closedFolders.count(folder); }
    std::string canonicalFolder(const std::string& f) override { return spellings.count(f) ? spellings[f] : f; }
    std::map<std::string, std::vector<uint8_t>> files;
    std::set<std::string> unreadable, refused, closedFolders, created;
    std::map<std::string, std::string> spellings;
    int writes = 0;
};

// Other processes hold the keys in `held`; a hold taken here joins them until
// it is destroyed. Sent messages are kept; none is taken while `peerGone`.
struct FakeInstances : TimerInstances {
    struct Hold : FileHold {
        Hold(std::set<std::string>& held, std::string key) : held(held), key(std::move(key)) {}
        ~Hold() override { held.erase(key); }
        void setReceiver(std::function<void(const std::string&)> r) override { receiver = std::move(r); }
        std::set<std::string>& held;
        std::string key;
        std::function<void(const std::string&)> receiver;
    };
    std::unique_ptr<FileHold> tryHold(const std::string& key) override {
        if (!held.insert(key).second) return nullptr;
        return std::make_unique<Hold>(held, key);
    }
    std::vector<Rect> otherTimerRects() const override { return others; }
    bool send(const std::string& key, const std::string& message) override {
        sent.push_back(key + " " + message);
        return !peerGone && held.count(key) != 0;
    }
    std::set<std::string> held;
    std::vector<Rect> others;
    std::vector<std::string> sent;
    bool peerGone = false;
};

// Common dialogs, the menu and the time dialogs answer what the test scripted.
struct FakeDialogs : CommonDialogs, MenuPresenter, DialogRunner {
    std::optional<FontChoice> chooseFont(const LogFont& initial, ColorRef initialColor) override {
        opened.push_back("font");
        fontAsked = FontChoice{initial, initialColor, initial};
        if (!font) return std::nullopt;
        FontChoice answer = *font;
        answer.shown = fontShown.value_or(initial);
        return answer;
    }
    std::optional<ColorRef> chooseColor(ColorRef) override { return opened.push_back("color"), color; }
    std::optional<uint32_t> track(const MenuModel& menu, Point screen, bool firstSelected) override {
        menus.push_back(menu), menuPoints.push_back(screen), menuByKey.push_back(firstSelected);
        return menuChoice;
    }
    int runSetTime(SetTimeDialog& d) override { return opened.push_back("setTime"), onSetTime ? onSetTime(d) : kDialogCancel; }
    int runRegisteredTimes(RegisteredTimesDialog& d) override {
        return opened.push_back("registeredTimes"), onRegisteredTimes ? onRegisteredTimes(d) : kDialogCancel;
    }

    std::optional<FontChoice> font;  // nullopt: the user cancels
    std::optional<ColorRef> color;
    std::optional<LogFont> fontShown;     // how the dialog shows its initial font (nullopt: as given)
    std::optional<FontChoice> fontAsked;  // what the font dialog opened with
    std::optional<uint32_t> menuChoice;   // nullopt: dismissed
    std::vector<MenuModel> menus;
    std::vector<Point> menuPoints;
    std::vector<bool> menuByKey;  // opened with the first item selected
    std::function<int(SetTimeDialog&)> onSetTime;
    std::function<int(RegisteredTimesDialog&)> onRegisteredTimes;
    std::vector<std::string> opened;  // "font", "color", "setTime", "registeredTimes"
};

// One paint as text: "fill l,t,r,b color", "text l,t,r,b ...", "font h", ...
struct RecordingCanvas : Canvas {
    void fillRect(const Rect& r, ColorRef c) override { ops.push_back("fill " + rectText(r) + " " + hex(c)); }
    void setTextColor(ColorRef c) override { ops.push_back("textColor " + hex(c)); }
    void setBackColor(ColorRef c) override { ops.push_back("backColor " + hex(c)); }
    bool selectFont(const LogFont& f) override { ops.push_back("font " + std::to_string(f.lfHeight)); return true; }
    void selectDefaultFont() override { ops.push_back("defaultFont"); }
    void drawCenteredText(const Rect& r, const std::string& t) override { ops.push_back("text " + rectText(r) + " " + t); }
    static std::string rectText(const Rect& r);
    static std::string hex(ColorRef c);
    std::vector<std::string> ops;
};

class FakeWindow : public WindowHost, public TickSource {
public:
    void attach(TimerWindow& window);
    void detach() { timers_.clear(), window_ = nullptr; }
    void advance(uint32_t ms);
    void skip(uint32_t ms) { t_ += ms; }
    uint32_t nowMs() const override { return tickBase + static_cast<uint32_t>(t_); }
    std::optional<uint32_t> period(uint32_t id) const;

    Rect windowRect() const override { return rect; }
    Size clientSize() const override { return {rect.width() - 8, rect.height() - 8}; }
    Point clientToScreen(Point p) const override { return {rect.left + 4 + p.x, rect.top + 4 + p.y}; }
    bool isMinimized() const override { return minimized; }
    void moveTo(int32_t x, int32_t y) override;
    void resizeTo(int32_t width, int32_t height) override;
    void place(const Rect& outer) override;
    void setTopmost(bool on) override { log.push_back(on ? "topmost 1" : "topmost 0"); topmost = on; }
    void captureMouse() override { captured = true; }
    void releaseMouse() override { captured = false; }
    void setTimer(uint32_t id, uint32_t periodMs) override { timers_[id] = Timer{periodMs, t_ + periodMs, sequence_++}; }
    void killTimer(uint32_t id) override { timers_.erase(id); }
    void redrawNow() override;
    LogFont dialogFont() const override;
    void createTooltip(const std::string& text) override { log.push_back("tooltip"); tooltip = text; }
    void setTitle(const std::string& text) override { title = text; }
    void endModal(int result) override { endResult = result; }
    void bringForward() override { log.push_back("forward"); }
    // "value at 61000" or "time up at 181000", in virtual ms.
    void accessibleChanged(AccessibleChange c) override {
        spoken.push_back((c == AccessibleChange::TimeUp ? "time up at " : "value at ") + std::to_string(t_));
    }

    uint32_t tickBase = 1000;  // the tick count at virtual time 0
    Rect rect{100, 100, 300, 180};
    bool minimized = false;
    bool topmost = false;
    bool captured = false;
    int redraws = 0;
    int fired = 0;  // timer expiries
    std::optional<std::string> tooltip;
    std::string title;
    std::optional<int> endResult;
    std::vector<std::string> log;
    RecordingCanvas canvas;          // the last paint
    std::vector<std::string> texts;  // every painted text, in order
    std::vector<std::string> spoken;  // what screen readers were told

private:
    struct Timer { uint32_t periodMs; uint64_t due; uint64_t sequence; };
    void changeSize(const Rect& next);
    TimerWindow* window_ = nullptr;
    std::map<uint32_t, Timer> timers_;
    uint64_t t_ = 0;  // virtual milliseconds since construction
    uint64_t sequence_ = 0;
};

// The modal run: the window is attached (its first size message comes while
// the sizing guard is still up), initialised, then `session` drives it.
struct FakeModalRunner : ModalRunner {
    explicit FakeModalRunner(FakeWindow& w) : window(w) {}
    int runModal(TimerWindow& timer) override;
    FakeWindow& window;
    std::function<void(TimerWindow&, FakeWindow&)> session;
};

// The "ＭＳ Ｐゴシック" 12 pt record of the window template, as the fake reports it.
LogFont fakeTemplateFont();

struct FakePlatform {
    FakeWindow window;
    FakeSystemValues system;
    FakeTextMeasurer text;
    FakeLocalClock clock;
    FakeOutput output;
    FakeFileStore files;
    FakeDialogs dialogs;
    FakeModalRunner runner{window};
    FakeInstances instances;
    Services services{window, system, text,    clock,   output,  output,           files,
                      output, dialogs, dialogs, dialogs, instances, "/exe/timer.dat", "/exe", "/home/.config/Q", "",
                      japaneseTexts()};
};
