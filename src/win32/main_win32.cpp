// QuillastorTimer.exe: the Windows entry point.
#include <windows.h>

#include "countdown/timer_app.h"
#include "win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DLLs come from the system folder only, never from beside the program.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    initCommonControls();
    Win32Platform platform(executablePaths());
    TimerApp app;
    app.run(platform.services(), platform.modalRunner());
    return 0;
}
