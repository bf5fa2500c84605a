// QuillastorTimer.exe: the Windows entry point.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "countdown/command_line.h"
#include "countdown/timer_app.h"
#include "resources/texts.h"
#include "win32/wide_text.h"
#include "win32/win32_platform.h"

namespace {

// The arguments after the program's name, UTF-8.
std::vector<std::string> arguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; argv && i < count; ++i) args.push_back(narrowFromWide(argv[i]));
    LocalFree(argv);
    return args;
}

// A GUI program has no console of its own: write to a redirected standard
// handle as UTF-8, or to the console of the shell that started it as UTF-16.
void print(const std::string& text, DWORD stdHandle) {
    HANDLE out = GetStdHandle(stdHandle);
    if (!out || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return;
    }
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        std::wstring wide;
        for (wchar_t c : wideFromNarrow(text)) wide += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

// Help, version or a refused argument: said on the console (with the usage
// table) and in a box (in lines that do not wrap there).
int answer(const CommandLine& line) {
    const bool error = line.action == CommandLine::Action::Error;
    std::string text = line.message;
    if (!text.empty() && text.back() != '\n') text += '\n';
    print(text, error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const std::wstring caption = wideFromNarrow(std::string(kProductName));
    MessageBoxW(nullptr, wideFromNarrow(line.boxMessage).c_str(), caption.c_str(),
                MB_OK | (error ? MB_ICONWARNING : MB_ICONINFORMATION));
    return line.exitStatus();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DLLs come from the system folder only, never from beside the program.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const CommandLine line = parseCommandLine(arguments());
    if (line.action != CommandLine::Action::Run) return answer(line);
    initCommonControls();
    Win32Platform platform(executablePaths());
    TimerApp app;
    app.run(platform.services(), platform.modalRunner(), line.start);
    return 0;
}
