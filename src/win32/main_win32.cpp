// QuillastorTimer.exe: the Windows entry point.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "countdown/command_line.h"
#include "countdown/timer_app.h"
#include "countdown/timer_launch.h"
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

// Said on the console and in a box.
void say(std::string text, const std::string& boxText, bool error) {
    if (!text.empty() && text.back() != '\n') text += '\n';
    print(text, error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const std::wstring caption = wideFromNarrow(std::string(kProductName));
    MessageBoxW(nullptr, wideFromNarrow(boxText).c_str(), caption.c_str(),
                MB_OK | (error ? MB_ICONWARNING : MB_ICONINFORMATION));
}

// Help, version or a refused argument: the console gets the usage table, the
// box lines that do not wrap there.
int answer(const CommandLine& line) {
    say(line.message, line.boxMessage, line.action == CommandLine::Action::Error);
    return line.exitStatus();
}

// A start that can become no timer.
int refuse(const std::string& message, int status) {
    say(message, message, true);
    return status;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DLLs come from the system folder only, never from beside the program.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const CommandLine line = parseCommandLine(arguments());
    if (line.action != CommandLine::Action::Run) return answer(line);
    Win32Paths paths = executablePaths();
    Win32TimerInstances instances;
    const TimerLaunch launch =
        launchTimer(instances, systemFileStore(), paths.settingsPath, paths.userSettingsFolder, line.name, line.start);
    if (launch.outcome == TimerLaunch::Outcome::Forwarded) return 0;
    if (launch.outcome == TimerLaunch::Outcome::Failed) return refuse(launch.message, launch.exitStatus());
    paths.settingsPath = launch.slot.path;
    paths.startingSettingsPath = launch.slot.startingPath;
    initCommonControls();
    Win32Platform platform(paths);
    TimerApp app;
    app.run(platform.services(), platform.modalRunner(), {line.start, line.name, launch.slot.hold.get()});
    return 0;
}
