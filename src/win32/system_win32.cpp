#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "win32/font_win32.h"
#include "win32/system_win32.h"
#include "win32/wide_text.h"

Rect Win32SystemValues::primaryWorkArea() const {
    return {0, 0, GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

Size windowFrame(HWND window) {
    RECT outer{};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), GetDpiForWindow(window));
    return {(outer.right - outer.left) / 2, (outer.bottom - outer.top) / 2};
}

Size Win32SystemValues::sizingFrame() const {
    if (const HWND window = owners_.root()) return windowFrame(window);
    return {GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)};
}

Size Win32SystemValues::dragThreshold() const {
    const HWND window = owners_.root();
    const UINT dpi = window ? GetDpiForWindow(window) : GetDpiForSystem();
    return {GetSystemMetricsForDpi(SM_CXDRAG, dpi), GetSystemMetricsForDpi(SM_CYDRAG, dpi)};
}

uint32_t Win32SystemValues::doubleClickTimeMs() const { return GetDoubleClickTime(); }

namespace {

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<Rect>*>(data)->push_back(Rect{r.left, r.top, r.right, r.bottom});
    }
    return TRUE;
}

}  // namespace

std::vector<Rect> Win32SystemValues::monitorRects() const {
    std::vector<Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

Size Win32TextMeasurer::measure(const LogFont& font, const std::string& utf8) const {
    const WindowDC dc(nullptr);
    const FontHandle realised = createFont(font);
    // A font that cannot be made is measured in the context's default font.
    const SelectedObject selected(dc.get(), realised ? static_cast<HGDIOBJ>(realised.get()) : GetStockObject(SYSTEM_FONT));
    const std::wstring text = wideFromNarrow(utf8);
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return {extent.cx, extent.cy};
}

TimeOfDay Win32LocalClock::now() const {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wHour, t.wMinute, t.wSecond};
}

void Win32Shell::open(const std::string& path) {
    const std::wstring file = wideFromNarrow(path);
    ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

Win32SoundPlayer::Win32SoundPlayer() {
    HMODULE winmm = LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!winmm) return;
    module_ = winmm;
    playSound_ = reinterpret_cast<PlaySoundFn>(reinterpret_cast<void*>(GetProcAddress(winmm, "PlaySoundW")));
}

Win32SoundPlayer::~Win32SoundPlayer() {
    stop();
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

void Win32SoundPlayer::playLoop(const std::string& fileName) {
    if (!playSound_) return;
    const std::wstring file = wideFromNarrow(fileName);
    playSound_(file.c_str(), nullptr, SND_FILENAME | SND_LOOP | SND_ASYNC);
}

void Win32SoundPlayer::stop() {
    if (playSound_) playSound_(nullptr, nullptr, SND_PURGE);
}
