// The Windows yardstick: the smallest Win32 program that counts an hour down
// the way the timer used to, on a 100 ms SetTimer, repainting a frameless
// tool window when the shown second changes.
#include <windows.h>

#include <cwchar>

namespace {

DWORD startTick;
int shown = -1;

int secondsLeft() { return 3600 - static_cast<int>((GetTickCount() - startTick) / 1000); }

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (secondsLeft() != shown) {
            shown = secondsLeft();
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT rect;
        GetClientRect(window, &rect);
        HBRUSH back = CreateSolidBrush(RGB(128, 128, 255));
        FillRect(dc, &rect, back);
        DeleteObject(back);
        wchar_t text[16];
        std::swprintf(text, 16, L"%d:%02d:%02d", shown / 3600, shown / 60 % 60, shown % 60);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"ReferenceTimer";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"ReferenceTimer", L"reference", WS_POPUP | WS_VISIBLE, 300, 100,
                                  96, 28, nullptr, nullptr, instance, nullptr);
    startTick = GetTickCount();
    shown = secondsLeft();
    SetTimer(window, 1, 100, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
