#include "scripted_run.h"

#include <gtest/gtest.h>

#include "win32/dialogs_win32.h"
#include "win32/wide_text.h"
#include "platform/executable_path.h"

namespace {

ScriptedRun* activeRun = nullptr;
constexpr UINT kTickMs = 20;
// The message text control of a message box.
constexpr int kMessageBoxTextId = 0xFFFF;

std::string exeFolder() {
    const std::string exe = executablePath();
    return exe.substr(0, exe.find_last_of("\\/"));
}

Win32Paths testPaths(const std::string& settingsPath) {
    return {settingsPath, exeFolder(), applicationTitle(executablePath())};
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    const std::wstring folder = std::wstring(base) + L"quillastor-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(++counter);
    CreateDirectoryW(folder.c_str(), nullptr);
    folder_ = narrowFromWide(folder);
}

TempFolder::~TempFolder() {
    const std::wstring folder = wideFromNarrow(folder_);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

ScriptedRun::ScriptedRun(const std::string& settingsPath)
    : platform_(testPaths(settingsPath)), timer_(std::make_unique<CountdownWindow>(platform_.services())) {
    timer_->createStateObjects();
}

ScriptedRun::~ScriptedRun() = default;

ScriptedRun& ScriptedRun::then(Step step, uint32_t delayMs) {
    entries_.push_back({std::move(step), nullptr, {}, delayMs});
    return *this;
}

ScriptedRun& ScriptedRun::until(Condition condition, const std::string& what, uint32_t timeoutMs) {
    entries_.push_back({nullptr, std::move(condition), what, timeoutMs});
    return *this;
}

void CALLBACK ScriptedRun::onTick(HWND, UINT, UINT_PTR, DWORD) {
    if (activeRun) activeRun->tick();
}

void ScriptedRun::tick() {
    const DWORD now = GetTickCount();
    if (static_cast<int32_t>(now - deadline_) >= 0) {
        if (!timedOut_ && window()) {
            timedOut_ = true;
            ADD_FAILURE() << "the script did not finish in time (at step " << next_ << ")";
            // Close any nested dialog first, then the window itself.
            if (HWND box = GetLastActivePopup(window()); box && box != window()) EndDialog(box, IDCANCEL);
            EndDialog(window(), 0);
        }
        return;
    }
    if (!window() || next_ >= entries_.size() || static_cast<int32_t>(now - nextAt_) < 0) return;
    Entry& entry = entries_[next_];
    if (entry.condition) {
        if (conditionSince_ == 0) conditionSince_ = now;
        if (entry.condition(*this)) {
            conditionSince_ = 0;
            ++next_;
        } else if (now - conditionSince_ > entry.delayMs) {
            ADD_FAILURE() << "timed out waiting for: " << entry.what;
            conditionSince_ = 0;
            next_ = entries_.size();
            EndDialog(window(), 0);
        }
        return;
    }
    // Advance first: a step may open a nested modal loop in which this timer
    // keeps firing.
    ++next_;
    nextAt_ = now + (next_ < entries_.size() && !entries_[next_].condition ? entries_[next_].delayMs : 0);
    entry.step(*this);
}

bool ScriptedRun::run(uint32_t timeoutMs) {
    activeRun = this;
    deadline_ = GetTickCount() + timeoutMs;
    nextAt_ = GetTickCount() + (entries_.empty() ? 0 : entries_.front().delayMs);
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, onTick);
    result_ = platform_.modalRunner().runModal(*timer_);
    KillTimer(nullptr, timer);
    activeRun = nullptr;
    return !timedOut_ && next_ >= entries_.size();
}

COLORREF pixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

SIZE clientSizeOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

std::wstring windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

namespace {

struct Search {
    std::wstring caption;
    bool messageBox = false;
    HWND found = nullptr;
};

BOOL CALLBACK matchDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    if (!IsWindowVisible(window) || std::wstring(cls) != L"#32770") return TRUE;
    const bool hit = search->messageBox ? GetDlgItem(window, kMessageBoxTextId) != nullptr
                                        : windowText(window) == search->caption;
    if (!hit) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND findDialog(const std::wstring& caption) {
    Search search{caption};
    EnumThreadWindows(GetCurrentThreadId(), matchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findMessageBox() {
    Search search{L"", true};
    EnumThreadWindows(GetCurrentThreadId(), matchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
