// QuillastorTimer.exe: the Windows entry point.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "countdown/program_start.h"
#include "countdown/timer_app.h"
#include "countdown/timer_launch.h"
#include "settings/window_settings.h"
#include "win32/hot_keys_win32.h"
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

// The user's UI language as a tag ("ja-JP"), as Windows lists it.
std::vector<std::string> uiLanguages() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0) == 0) return {};
    return {narrowFromWide(name)};
}

// Said on the console and in a box.
void say(std::string text, const std::string& boxText, bool error, const Texts& texts) {
    if (!text.empty() && text.back() != '\n') text += '\n';
    print(text, error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const std::wstring caption = wideFromNarrow(std::string(texts[TextId::product_name]));
    MessageBoxW(nullptr, wideFromNarrow(boxText).c_str(), caption.c_str(),
                MB_OK | (error ? MB_ICONWARNING : MB_ICONINFORMATION));
}

// Help, version or a refused argument: the console gets the usage table, the
// box lines that do not wrap there.
int answer(const CommandLine& line, const Texts& texts) {
    const CommandLineMessage message = commandLineMessage(line, texts);
    say(message.console, message.box, line.action == CommandLine::Action::Error, texts);
    return line.exitStatus();
}

// A start that can become no timer.
int refuse(const std::string& message, int status, const Texts& texts) {
    say(message, message, true, texts);
    return status;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DLLs come from the system folder only, never from beside the program.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    Win32Paths paths = executablePaths();
    ProgramOptions options(systemFileStore(), {paths.executableDir, paths.userSettingsFolder},
                           paths.applicationTitle + ".ini");
    const ProgramStart start = startProgram(arguments(), options, uiLanguages());
    for (const std::string& warning : start.warnings) print(warning + "\n", STD_ERROR_HANDLE);
    const CommandLine& line = start.line;
    if (line.action != CommandLine::Action::Run) return answer(line, start.texts);
    Win32TimerInstances instances;
    const TimerLaunch launch =
        launchTimer(instances, systemFileStore(), paths.settingsPath, paths.userSettingsFolder, line.name, line.start,
                    start.texts);
    if (launch.outcome == TimerLaunch::Outcome::Forwarded) return 0;
    if (launch.outcome == TimerLaunch::Outcome::Failed) return refuse(launch.message, launch.exitStatus(), start.texts);
    paths.settingsPath = launch.slot.path;
    paths.startingSettingsPath = launch.slot.startingPath;
    initCommonControls();
    Win32Platform platform(paths, start.texts);
    Win32HotKeys hotKeys;
    const std::vector<std::string> warnings = registerHotKeys(hotKeys, start.hotKeys, start.texts);
    for (const std::string& warning : warnings) print(warning + "\n", STD_ERROR_HANDLE);
    TimerApp app;
    app.run(platform.services(), platform.modalRunner(),
            {line.start, line.name, launch.slot.hold.get(), &options, &hotKeys});
    return 0;
}
