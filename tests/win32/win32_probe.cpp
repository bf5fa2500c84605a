// win32_probe.exe, for the driven run of the packaged program:
//   win32_probe ui-language   the user's UI language as Windows reports it (0411)
//   win32_probe texts         the foreground dialog's title, then each control's text, a line each
//   win32_probe accessible    the timer window's MSAA role, name and value: "role|name|value"
//   win32_probe events S      the name and value changes the timer window tells of in S seconds, a line each
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// WM_GETTEXT reaches a control of another process, as GetWindowText does not.
void printText(HWND window) {
    wchar_t text[512] = {};
    char utf8[1536] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
    std::printf("%s\n", utf8);
}

// What a screen reader asks of the timer window's client object.
int printAccessible() {
    const IID accessibleIid = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
    CoInitialize(nullptr);
    IAccessible* object = nullptr;
    const HWND timer = FindWindowW(L"#32770", nullptr);
    if (!timer || FAILED(AccessibleObjectFromWindow(timer, OBJID_CLIENT, accessibleIid, reinterpret_cast<void**>(&object))))
        return 1;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    BSTR name = nullptr, value = nullptr;
    object->get_accRole(self, &role);
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    char utf8[2][512] = {};
    WideCharToMultiByte(CP_UTF8, 0, name ? name : L"", -1, utf8[0], sizeof utf8[0] - 1, nullptr, nullptr);
    WideCharToMultiByte(CP_UTF8, 0, value ? value : L"", -1, utf8[1], sizeof utf8[1] - 1, nullptr, nullptr);
    std::printf("%ld|%s|%s\n", role.vt == VT_I4 ? role.lVal : -1L, utf8[0], utf8[1]);
    object->Release();
    return 0;
}

void CALLBACK told(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT && window == FindWindowW(L"#32770", nullptr))
        std::printf("%s\n", event == EVENT_OBJECT_NAMECHANGE ? "name" : "value"), std::fflush(stdout);
}

int printEvents(int seconds) {
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, told, 0, 0,
                                               WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    std::printf("listening\n"), std::fflush(stdout);
    const ULONGLONG end = GetTickCount64() + 1000ULL * seconds;
    for (MSG message; GetTickCount64() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return hook ? UnhookWinEvent(hook) == FALSE : 1;
}

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "accessible") == 0) return printAccessible();
    if (argc == 3 && std::strcmp(argv[1], "events") == 0) return printEvents(std::atoi(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "ui-language") == 0) return std::printf("%04X\n", GetUserDefaultUILanguage()) < 0;
    const HWND dialog = GetForegroundWindow();
    if (argc != 2 || std::strcmp(argv[1], "texts") != 0 || !dialog) return 1;
    printText(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) printText(child);
    return 0;
}
