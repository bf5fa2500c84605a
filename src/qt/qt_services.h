// The Qt implementations of every platform service, gathered for the program.
#pragma once

#include <string>
#include <vector>

#include "qt/qt_common_dialogs.h"
#include "qt/qt_dialog_runner.h"
#include "qt/qt_local_clock.h"
#include "qt/qt_menu_presenter.h"
#include "qt/qt_message_boxes.h"
#include "qt/qt_notifications.h"
#include "qt/qt_shell.h"
#include "qt/qt_sound_player.h"
#include "qt/qt_system_values.h"
#include "qt/qt_text_measurer.h"
#include "qt/qt_timer_instances.h"
#include "platform/services.h"

struct QtPlatform {
    // `userFolder` is the user's settings folder; `dataDir` the shipped
    // files (sound, help); `moduleDirs` are searched for the sound module;
    // `texts` the language chosen at start.
    QtPlatform(const std::string& executablePath, const std::string& userFolder, const std::string& dataDir,
               std::vector<std::string> moduleDirs, const Texts& texts);

    QtSystemValues system;
    QtTextMeasurer text;
    QtLocalClock clock;
    QtSoundPlayer sound;
    QtShell shell;
    QtMessageBoxes messages;
    QtCommonDialogs commonDialogs;
    QtMenuPresenter menus;
    QtDialogRunner dialogs;
    QtTimerInstances instances;
    QtNotifications notifications;
    Services services;
};

// The folder of the shipped files: beside the executable when the sound is
// there (a portable copy), else `installedDataDir` taken from the
// executable's folder (an installed copy: bin/../share/quillastor-timer).
std::string shippedFilesDir(const std::string& executablePath, const std::string& installedDataDir);

// Where the sound module may be: beside the executable, then
// `installedModuleDir` taken from the executable's folder.
std::vector<std::string> soundModuleDirs(const std::string& executablePath, const std::string& installedModuleDir);
