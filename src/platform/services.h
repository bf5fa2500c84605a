// Everything the countdown window asks of its platform besides its own native
// window (which arrives with the modal run, see modal_runner.h).
#pragma once

#include <string>

#include "platform/common_dialogs.h"
#include "platform/dialog_runner.h"
#include "platform/file_store.h"
#include "platform/local_clock.h"
#include "platform/menu.h"
#include "platform/message_box.h"
#include "platform/notifications.h"
#include "platform/shell.h"
#include "platform/sound_player.h"
#include "platform/system_values.h"
#include "platform/text_measurer.h"
#include "platform/timer_instances.h"
#include "platform/tick_source.h"
#include "resources/catalogue.h"

struct Services {
    const TickSource& ticks;
    SystemValues& system;
    TextMeasurer& text;
    LocalClock& clock;
    SoundPlayer& sound;
    Shell& shell;
    FileStore& files;
    MessageBoxes& messages;
    CommonDialogs& commonDialogs;
    MenuPresenter& menus;
    DialogRunner& dialogs;
    TimerInstances& instances;
    // This timer's settings file: the main one beside the executable until
    // the start has chosen the file and its folder (timer_launch.h).
    std::string settingsPath;
    std::string executableDir;       // beside the executable, for the shipped files
    std::string userSettingsFolder;  // for the settings files where the executable's folder takes none
    // A further timer with no file of its own starts from this one's font,
    // colours and presets (the main file); empty for the main timer.
    std::string startingSettingsPath;
    Texts texts;  // the language chosen at start
    Notifications* notifications = nullptr;  // none: the platform has no notifications
};
