// win32_probe.exe, for the driven run of the packaged program:
//   win32_probe ui-language   the user's UI language as Windows reports it (0411)
//   win32_probe texts         the foreground dialog's title, then each control's text, a line each
#include <windows.h>

#include <cstdio>
#include <cstring>

// WM_GETTEXT reaches a control of another process, as GetWindowText does not.
void printText(HWND window) {
    wchar_t text[512] = {};
    char utf8[1536] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
    std::printf("%s\n", utf8);
}

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "ui-language") == 0) return std::printf("%04X\n", GetUserDefaultUILanguage()) < 0;
    const HWND dialog = GetForegroundWindow();
    if (argc != 2 || std::strcmp(argv[1], "texts") != 0 || !dialog) return 1;
    printText(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) printText(child);
    return 0;
}
