#include "win32/timer_dialog_win32.h"

#include <windowsx.h>

#include <algorithm>

#include "win32/gdi_canvas.h"
#include "win32/gdi_handles.h"
#include "win32/keys_win32.h"
#include "win32/system_win32.h"
#include "win32/timer_accessible_win32.h"
#include "win32/timer_instances_win32.h"
#include "win32/window_host_win32.h"
#include "window/timer_window.h"

namespace {

struct TimerRun {
    TimerWindow& timer;
    Win32WindowHost& host;
    OwnerWindows& owners;
    Win32NotifyIcon* notices;
    bool ownerPushed = false;
};

// The run whose window is being created: messages that arrive before
// WM_INITDIALOG hands over the pointer still reach the core.
TimerRun* creatingRun = nullptr;
TimerRun* runOf(HWND window, UINT message, LPARAM lParam) {
    if (auto* run = reinterpret_cast<TimerRun*>(GetWindowLongPtrW(window, DWLP_USER))) return run;
    TimerRun* run = message == WM_INITDIALOG ? reinterpret_cast<TimerRun*>(lParam) : creatingRun;
    if (!run) return nullptr;
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(run));
    run->host.setWindow(window);
    run->owners.push(window);
    run->ownerPushed = true;
    return run;
}

Point clientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

INT_PTR answer(HWND window, LONG_PTR result) {
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

// From Windows 10 1703 on, the dialog manager rescales a dialog whose DPI
// changes. This window keeps its size in pixels, as the settings file does,
// so its own handlers below answer instead.
void keepDialogManagerOffDpi(HWND window) {
    using SetBehavior = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    const auto set = reinterpret_cast<SetBehavior>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
    if (set) set(window, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

// The user's drag of the border leaves a client area to grab and right-click.
void limitUserSizing(HWND window, MINMAXINFO& info) {
    const Size least = minimumTrackSize(windowFrame(window));
    info.ptMinTrackSize.x = std::max<LONG>(info.ptMinTrackSize.x, least.cx);
    info.ptMinTrackSize.y = std::max<LONG>(info.ptMinTrackSize.y, least.cy);
}

INT_PTR onCommand(TimerWindow& timer, WPARAM wParam) {
    const UINT id = LOWORD(wParam);
    // Enter and Escape (and Alt+F4, which arrives as IDCANCEL) never close it.
    if (id == IDOK)
        timer.onOk();
    else if (id == IDCANCEL)
        timer.onCancel();
    else
        timer.onCommand(id);
    return TRUE;
}

// The screen reader's texts, asked of the core while the window lives.
AccessibleTexts timerTexts(HWND window) {
    const auto* run = IsWindow(window) ? reinterpret_cast<TimerRun*>(GetWindowLongPtrW(window, DWLP_USER)) : nullptr;
    if (!run) return {};
    return {run->timer.windowTitle(), run->timer.accessibleValue()};
}

// Shift+F10 and the menu key come as WM_CONTEXTMENU, which the system makes
// of them; the other keys go to the core as they are.
INT_PTR onKey(TimerWindow& timer, UINT message, WPARAM wParam, LPARAM lParam) {
    const KeyEvent key = keyEventOf(wParam, lParam);
    const bool menuKey = key.key == Key::Menu || (key.key == functionKey(10) && key.shift);
    if (key.key == Key::None || menuKey) return FALSE;
    timer.onKeyDown(key);
    return message == WM_KEYDOWN;  // Alt's keys (Alt+F4) keep their default processing
}

INT_PTR CALLBACK timerDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TimerRun* run = runOf(window, message, lParam);
    if (!run) return FALSE;
    TimerWindow& timer = run->timer;
    if (run->notices && run->notices->handle(window, message, wParam, lParam)) return TRUE;
    switch (message) {
    case WM_INITDIALOG: {
        keepDialogManagerOffDpi(window);
        // No taskbar button: the application-window style would give the
        // tool window one, whoever set it.
        const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW));
        markTimerWindow(window, true);
        return timer.onInitDialog() ? TRUE : FALSE;
    }
    case WM_DESTROY:
        markTimerWindow(window, false);
        return FALSE;
    case WM_COPYDATA: {  // any program of the session may send it, with no data at all
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        return answer(window, data && takeTimerMessage(window, *data) ? TRUE : FALSE);
    }
    case kDeliverMessages:
        deliverTimerMessages();
        return TRUE;
    case WM_PAINT:
        paintTimerWindow(window, timer);
        return TRUE;
    case WM_ERASEBKGND:
        return answer(window, timer.onEraseBackground() ? 1 : 0);
    case WM_SIZE:
        timer.onSize(LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    // The dialog class has CS_DBLCLKS: a quick second press arrives as a
    // double-click message. It is a press like any other; the core counts.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        timer.onLButtonDown(clientPoint(lParam));
        return FALSE;
    case WM_LBUTTONUP:
        timer.onLButtonUp(clientPoint(lParam));
        return FALSE;
    case WM_MOUSEMOVE:
        // Only a held left button drags, whatever became of its release.
        if ((wParam & MK_LBUTTON) != 0) timer.onMouseMove(clientPoint(lParam));
        return FALSE;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window) timer.onCaptureLost();
        return FALSE;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        timer.onRButtonDown(clientPoint(lParam));
        return FALSE;
    case WM_RBUTTONUP:
        timer.onRButtonUp(clientPoint(lParam));
        return FALSE;
    case WM_TIMER:
        timer.onTimer(static_cast<uint32_t>(wParam));
        return FALSE;
    case WM_GETMINMAXINFO:
        // Sizes the program sets, loaded ones included, are not bound.
        if (!run->host.placing()) limitUserSizing(window, *reinterpret_cast<MINMAXINFO*>(lParam));
        return FALSE;
    // A move to a monitor of another DPI keeps the size in pixels and the
    // place: the pending size stands, the suggested rectangle is not taken.
    case WM_GETDPISCALEDSIZE:
        return answer(window, TRUE);
    case WM_DPICHANGED:
        return answer(window, 0);
    case WM_QUERYENDSESSION:
        return answer(window, timer.onQueryEndSession(true) ? TRUE : FALSE);
    case WM_QUERYDRAGICON:
        return 0;  // no drag icon
    case WM_COMMAND:
        return onCommand(timer, wParam);
    // Every key reaches the window, Enter and Escape as keys, not as IDOK
    // and IDCANCEL.
    case WM_GETDLGCODE:
        return answer(window, DLGC_WANTALLKEYS);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return onKey(timer, message, wParam, lParam);
    case WM_CONTEXTMENU:  // from the keyboard; a click's comes with a point and is the buttons' business
        if (lParam != -1) return FALSE;
        timer.onKeyDown({Key::Menu});
        return TRUE;
    case WM_ACTIVATE:
        timer.onKeyboardFocus(LOWORD(wParam) != WA_INACTIVE);
        return FALSE;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) != OBJID_CLIENT) return FALSE;
        return answer(window, answerAccessibleObject(window, wParam, timerTexts));
    default:
        return FALSE;
    }
}

}  // namespace

void paintTimerWindow(HWND window, TimerWindow& timer) {
    const PaintDC paint(window);
    // Minimized: the request is retired by Begin/EndPaint, nothing is drawn.
    if (IsIconic(window)) return;
    RECT client{};
    GetClientRect(window, &client);
    const MemoryDC offscreen(paint.get());
    const BitmapHandle bitmap(CreateCompatibleBitmap(paint.get(), client.right, client.bottom));
    {
        const SelectedObject selected(offscreen.get(), bitmap.get());
        {
            GdiCanvas canvas(offscreen.get());
            timer.onPaint(canvas);
        }
        BitBlt(paint.get(), 0, 0, client.right, client.bottom, offscreen.get(), 0, 0, SRCCOPY);
    }
}

int Win32ModalRunner::runModal(TimerWindow& timer) {
    Win32WindowHost host;
    timer.attach(host);
    TimerRun run{timer, host, owners_, notices_};
    creatingRun = &run;
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(timer.templateId()), nullptr,
                                           timerDialogProc, reinterpret_cast<LPARAM>(&run));
    creatingRun = nullptr;
    if (run.ownerPushed) owners_.pop();
    return static_cast<int>(result);
}
