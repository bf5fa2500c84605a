// The window that owns the next menu, message box or dialog: the innermost
// open modal window (timer window, then any time dialog opened over it).
#pragma once

#include <windows.h>

#include <vector>

class OwnerWindows {
public:
    HWND current() const { return stack_.empty() ? nullptr : stack_.back(); }
    // The timer window, under whatever is open over it.
    HWND root() const { return stack_.empty() ? nullptr : stack_.front(); }
    void push(HWND window) { stack_.push_back(window); }
    void pop() {
        if (!stack_.empty()) stack_.pop_back();
    }

private:
    std::vector<HWND> stack_;
};

// Keeps a window on the stack for the length of a scope (its modal run).
class OwnerScope {
public:
    OwnerScope(OwnerWindows& owners, HWND window) : owners_(owners) { owners_.push(window); }
    ~OwnerScope() { owners_.pop(); }
    OwnerScope(const OwnerScope&) = delete;
    OwnerScope& operator=(const OwnerScope&) = delete;

private:
    OwnerWindows& owners_;
};
