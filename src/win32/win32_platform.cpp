#include "win32/win32_platform.h"

#include <commctrl.h>

#include "platform/executable_path.h"
#include "settings/window_settings.h"

Win32Paths executablePaths() {
    const std::string exe = executablePath();
    const std::size_t slash = exe.find_last_of("\\/");
    return {settingsFilePath(exe), slash == std::string::npos ? std::string() : exe.substr(0, slash),
            applicationTitle(exe)};
}

Win32Platform::Win32Platform(const Win32Paths& paths)
    : messages_(owners_, paths.applicationTitle),
      commonDialogs_(owners_),
      menus_(owners_),
      dialogs_(owners_),
      runner_(owners_),
      services_{systemTickSource(), system_,  text_,           clock_,      sound_, shell_,
                systemFileStore(),  messages_, commonDialogs_, menus_,      dialogs_,
                paths.settingsPath, paths.executableDir} {}

bool initCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_DATE_CLASSES | ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
}
