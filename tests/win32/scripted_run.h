// Runs the real timer window (template 102, the Win32 backend, the real
// countdown window) modally and performs test steps inside its message loop,
// one after another on a thread timer, as messages from a user would arrive.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "countdown/countdown_window.h"
#include "win32/win32_platform.h"

// A folder of its own for one test's settings file; removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path(const std::string& name) const { return folder_ + "\\" + name; }

private:
    std::string folder_;
};

class ScriptedRun {
public:
    using Step = std::function<void(ScriptedRun&)>;
    using Condition = std::function<bool(ScriptedRun&)>;

    explicit ScriptedRun(const std::string& settingsPath);
    ~ScriptedRun();
    ScriptedRun(const ScriptedRun&) = delete;
    ScriptedRun& operator=(const ScriptedRun&) = delete;

    // A step that runs `delayMs` after the previous one finished.
    ScriptedRun& then(Step step, uint32_t delayMs = 60);
    // Waits until the condition holds; a failure names `what` after timeoutMs.
    ScriptedRun& until(Condition condition, const std::string& what, uint32_t timeoutMs = 5000);
    // Runs the window until its modal run ends. False when the script or the
    // window did not finish within timeoutMs (the window is then ended).
    bool run(uint32_t timeoutMs = 30000);

    HWND window() const { return platform_.modalRunner().window(); }
    CountdownWindow& timer() { return *timer_; }
    Win32Platform& platform() { return platform_; }
    int result() const { return result_; }

private:
    struct Entry {
        Step step;
        Condition condition;
        std::string what;
        uint32_t delayMs = 0;
    };
    static void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD);
    void tick();

    Win32Platform platform_;
    std::unique_ptr<CountdownWindow> timer_;
    std::vector<Entry> entries_;
    std::size_t next_ = 0;
    DWORD nextAt_ = 0;
    DWORD conditionSince_ = 0;
    DWORD deadline_ = 0;
    bool timedOut_ = false;
    int result_ = 0;
};

// What the screen shows at a client point of a window.
COLORREF pixelAt(HWND window, int x, int y);
SIZE clientSizeOf(HWND window);
// The visible dialog of this thread with the given caption; null if none.
HWND findDialog(const std::wstring& caption);
// The visible message box of this thread (a dialog that has the message
// text control); null if none.
HWND findMessageBox();
std::wstring windowText(HWND window);
