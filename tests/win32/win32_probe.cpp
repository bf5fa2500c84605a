// win32_probe.exe, for the driven run of the packaged program:
//   win32_probe ui-language   the user's UI language as Windows reports it (0411)
//   win32_probe texts         the foreground dialog's title, then each control's text, a line each
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void printUtf8(const std::wstring& text) {
    char bytes[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes - 1, nullptr, nullptr);
    std::printf("%s\n", bytes);
}

// WM_GETTEXT reaches a control of another process, as GetWindowText does not.
std::wstring textOf(HWND window) {
    wchar_t text[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "ui-language") == 0) {
        std::printf("%04X\n", GetUserDefaultUILanguage());
        return 0;
    }
    const HWND dialog = GetForegroundWindow();
    if (argc != 2 || std::strcmp(argv[1], "texts") != 0 || !dialog) return 1;
    printUtf8(textOf(dialog));
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) printUtf8(textOf(child));
    return 0;
}
