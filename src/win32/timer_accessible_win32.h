// The timer window as screen readers see it through MSAA: the system's own
// client object, with the name (the product, or the timer's name), a static
// text role and the time in words asked of the core at each call.
#pragma once

#include <windows.h>

#include <string>

// What the proxy reads; empty when the window is gone.
struct AccessibleTexts {
    std::string name;
    std::string value;
};
using AccessibleSource = AccessibleTexts (*)(HWND window);

// WM_GETOBJECT's answer for OBJID_CLIENT; 0 lets the system answer.
LRESULT answerAccessibleObject(HWND window, WPARAM wParam, AccessibleSource source);
