#include "win32/timer_instances_win32.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>

#include "win32/wide_text.h"

namespace {

constexpr const wchar_t* kTimerProperty = L"QuillastorTimer.Timer";
constexpr ULONG_PTR kMessageTag = 0x51544D31;  // "QTM1"
constexpr DWORD kSendTimeoutMs = 2000;
constexpr int kWindowWaits = 20;  // a timer that holds its file may not show its window yet
constexpr DWORD kWindowWaitMs = 100;

// File names compare without case here, so the key does too.
std::wstring foldedKey(const std::string& key) {
    std::wstring wide = wideFromNarrow(key);
    if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return wide;
}

std::wstring mutexName(const std::wstring& folded) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (wchar_t c : folded) hash = (hash ^ static_cast<uint16_t>(c)) * 1099511628211ull;
    wchar_t name[64];
    std::swprintf(name, 64, L"Local\\QuillastorTimer.%016llx", static_cast<unsigned long long>(hash));
    return name;
}

struct Held {
    std::wstring key;
    std::function<void(const std::string&)> receiver;
    std::deque<std::string> pending;
};
Held* held = nullptr;  // this process's hold; one timer a process
bool delivering = false;

class MutexHold final : public FileHold {
public:
    MutexHold(HANDLE mutex, std::wstring key) : mutex_(mutex) { held = &state_, state_.key = std::move(key); }
    ~MutexHold() override {
        held = nullptr;
        CloseHandle(mutex_);
    }
    void setReceiver(std::function<void(const std::string&)> receiver) override {
        state_.receiver = std::move(receiver);
    }

private:
    HANDLE mutex_;
    Held state_;
};

std::vector<HWND> otherTimerWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process != GetCurrentProcessId() && GetPropW(window, kTimerProperty))
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace

std::unique_ptr<FileHold> Win32TimerInstances::tryHold(const std::string& key) {
    std::wstring folded = foldedKey(key);
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName(folded).c_str());
    if (!mutex) return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return nullptr;
    }
    return std::make_unique<MutexHold>(mutex, std::move(folded));
}

std::vector<Rect> Win32TimerInstances::otherTimerRects() const {
    std::vector<Rect> rects;
    for (HWND window : otherTimerWindows()) {
        RECT r{};
        if (IsWindowVisible(window) && GetWindowRect(window, &r)) rects.push_back({r.left, r.top, r.right, r.bottom});
    }
    return rects;
}

bool Win32TimerInstances::send(const std::string& key, const std::string& message) {
    std::string payload = key;
    payload += '\0';
    payload += message;
    COPYDATASTRUCT data{kMessageTag, static_cast<DWORD>(payload.size()), payload.data()};
    for (int wait = 0; wait < kWindowWaits; ++wait) {
        for (HWND window : otherTimerWindows()) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            // The timer may come to the front only if this process lets it.
            AllowSetForegroundWindow(process);
            DWORD_PTR taken = FALSE;
            if (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                    SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMs, &taken) &&
                taken)
                return true;
        }
        Sleep(kWindowWaitMs);
    }
    return false;
}

void markTimerWindow(HWND window, bool mark) {
    if (mark)
        SetPropW(window, kTimerProperty, reinterpret_cast<HANDLE>(1));
    else
        RemovePropW(window, kTimerProperty);
}

bool takeTimerMessage(HWND window, const COPYDATASTRUCT& data) {
    if (!held || data.dwData != kMessageTag || !data.lpData || data.cbData > 4096) return false;
    const std::string payload(static_cast<const char*>(data.lpData), data.cbData);
    const std::size_t end = payload.find('\0');
    if (end == std::string::npos || foldedKey(payload.substr(0, end)) != held->key) return false;
    held->pending.push_back(payload.substr(end + 1));
    PostMessageW(window, kDeliverMessages, 0, 0);
    return true;
}

void deliverTimerMessages() {
    while (held && !held->pending.empty()) {
        const std::string message = held->pending.front();
        held->pending.pop_front();
        delivering = true;
        if (held->receiver) held->receiver(message);
        delivering = false;
    }
}

bool deliveringTimerMessage() { return delivering; }
