#include "win32/win32_platform.h"

#include <commctrl.h>
#include <shlobj.h>

#include "platform/executable_path.h"
#include "settings/window_settings.h"
#include "win32/wide_text.h"

namespace {

// %LOCALAPPDATA%\Quillastor; `otherwise` when Windows cannot say.
std::string localAppDataFolder(const std::string& otherwise) {
    PWSTR path = nullptr;
    std::string folder = otherwise;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &path)))
        folder = narrowFromWide(path) + "\\Quillastor";
    CoTaskMemFree(path);
    return folder;
}

}  // namespace

Win32Paths executablePaths() {
    const std::string exe = executablePath();
    const std::size_t slash = exe.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : exe.substr(0, slash);
    return {settingsFilePath(exe), folder, applicationTitle(exe), localAppDataFolder(folder), {}};
}

Win32Platform::Win32Platform(const Win32Paths& paths, const Texts& texts)
    : messages_(owners_, paths.applicationTitle),
      commonDialogs_(owners_),
      menus_(owners_),
      dialogs_(owners_, texts),
      runner_(owners_, &notices_),
      services_{systemTickSource(), system_,    text_,           clock_,      sound_, shell_,
                systemFileStore(),  messages_,   commonDialogs_,  menus_,      dialogs_, instances_,
                paths.settingsPath, paths.executableDir, paths.userSettingsFolder, paths.startingSettingsPath, texts, &notices_} {}

bool initCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_DATE_CLASSES | ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
}
