// Everything the core needs from Windows, owned in one place; the program's
// entry point and the integration tests build one of these.
#pragma once

#include <string>

#include "platform/file_store.h"
#include "platform/services.h"
#include "platform/tick_source.h"
#include "win32/dialogs_win32.h"
#include "win32/menu_win32.h"
#include "win32/notify_icon_win32.h"
#include "win32/owner_window.h"
#include "win32/system_win32.h"
#include "win32/time_dialogs_win32.h"
#include "win32/timer_instances_win32.h"
#include "win32/timer_dialog_win32.h"

struct Win32Paths {
    std::string settingsPath;
    std::string executableDir;
    std::string applicationTitle;
    std::string userSettingsFolder;
    std::string startingSettingsPath;  // a further timer's: the main file
};

// The paths of the running executable: its .dat beside it, its folder, its
// base name, and %LOCALAPPDATA%\Quillastor for the settings where its
// folder takes none.
Win32Paths executablePaths();

class Win32Platform {
public:
    Win32Platform(const Win32Paths& paths, const Texts& texts);
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Services& services() { return services_; }
    Win32ModalRunner& modalRunner() { return runner_; }
    const Win32ModalRunner& modalRunner() const { return runner_; }
    Win32SoundPlayer& sound() { return sound_; }

private:
    ComApartment apartment_;  // before any window, for the life of the program's windows
    OwnerWindows owners_;
    Win32SystemValues system_{owners_};
    Win32TextMeasurer text_;
    Win32LocalClock clock_;
    Win32SoundPlayer sound_;
    Win32Shell shell_;
    Win32MessageBoxes messages_;
    Win32CommonDialogs commonDialogs_;
    Win32MenuPresenter menus_;
    Win32DialogRunner dialogs_;
    Win32TimerInstances instances_;
    Win32NotifyIcon notices_{owners_};
    Win32ModalRunner runner_;
    Services services_;
};

// Registers the common controls the templates use (date-time picker,
// tooltip). Call once before the first window.
bool initCommonControls();
