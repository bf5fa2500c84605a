#include <windows.h>
#include <mmsystem.h>
#include <objbase.h>
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

// Each monitor's full rectangle or its work area.
std::vector<Rect> monitorAreas(RECT MONITORINFO::*area) {
    struct Query {
        RECT MONITORINFO::*area;
        std::vector<Rect> rects;
    } query{area, {}};
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
            auto& q = *reinterpret_cast<Query*>(data);
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (GetMonitorInfoW(monitor, &info)) {
                const RECT& r = info.*q.area;
                q.rects.push_back(Rect{r.left, r.top, r.right, r.bottom});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.rects;
}

}  // namespace

std::vector<Rect> Win32SystemValues::monitorRects() const { return monitorAreas(&MONITORINFO::rcMonitor); }

std::vector<Rect> Win32SystemValues::workAreas() const { return monitorAreas(&MONITORINFO::rcWork); }

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

namespace {

std::vector<char> readWave(const std::string& fileName) {
    const HANDLE file = CreateFileW(wideFromNarrow(fileName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::vector<char> bytes;
    LARGE_INTEGER size{};
    DWORD read = 0;
    // A sound file larger than this is no chime.
    if (GetFileSizeEx(file, &size) && size.QuadPart <= (DWORD{1} << 26)) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
            bytes.clear();
    }
    CloseHandle(file);
    return bytes;
}

}  // namespace

void Win32SoundPlayer::playLoop(const std::string& fileName) {
    if (!playSound_) return;
    stop();
    wave_ = readWave(fileName);
    if (wave_.empty()) return;
    // SND_NODEFAULT: a damaged file plays nothing, not the system's sound.
    playSound_(reinterpret_cast<const wchar_t*>(wave_.data()), nullptr,
               SND_MEMORY | SND_LOOP | SND_ASYNC | SND_NODEFAULT);
}

void Win32SoundPlayer::stop() {
    // Returns once the sound has stopped: its memory may go.
    if (playSound_) playSound_(nullptr, nullptr, 0);
    wave_.clear();
}

ComApartment::ComApartment()
    : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
    if (entered_) CoUninitialize();
}
