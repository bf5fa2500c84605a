// The native Linux program: the countdown timer over Qt 6 Widgets.
#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

#include "countdown/program_start.h"
#include "countdown/timer_app.h"
#include "countdown/timer_launch.h"
#include "platform/executable_path.h"
#include "qt/dialog_setup.h"
#include "qt/font_mapping.h"
#include "qt/platform_choice.h"
#include "qt/qt_modal_runner.h"
#include "qt/qt_services.h"
#include "qt/settings_location.h"
#include "qt/system_language.h"
#include "qt/timer_accessible.h"
#include "qt/x11_hot_keys.h"
#include "settings/window_settings.h"

#ifndef QUILLASTOR_DATA_DIR
#define QUILLASTOR_DATA_DIR "../share/quillastor-timer"
#endif
#ifndef QUILLASTOR_MODULE_DIR
#define QUILLASTOR_MODULE_DIR "../lib/quillastor-timer"
#endif

namespace {

// Help and version go to standard output, a refusal to standard error; no
// window opens and the settings file is not touched.
int answer(const CommandLine& command, const Texts& texts) {
    std::FILE* out = command.action == CommandLine::Action::Error ? stderr : stdout;
    const std::string message = commandLineMessage(command, texts).console;
    std::fputs(message.c_str(), out);
    if (!message.empty() && message.back() != '\n') std::fputc('\n', out);
    return command.exitStatus();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string exe = executablePath();
    const std::string userFolder = userSettingsFolder();
    ProgramOptions options(systemFileStore(), {folderAndName(settingsFilePath(exe)).first, userFolder},
                           folderAndName(optionsFilePath(exe)).second);
    const ProgramStart start = startProgram(std::vector<std::string>(argv + 1, argv + argc), options, systemUiLanguages());
    for (const std::string& warning : start.warnings) std::fprintf(stderr, "%s\n", warning.c_str());
    const CommandLine& command = start.line;
    if (command.action != CommandLine::Action::Run) return answer(command, start.texts);

    const std::string platform = chooseQtPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"));
    if (!platform.empty()) setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    // Qt sees only the program's name: every argument is the timer's, and Qt
    // would otherwise take some (-style, -geometry, ...) for its own.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installJapaneseFaceSubstitutes();
    installTimerAccessible();

    const std::string dataDir = shippedFilesDir(exe, QUILLASTOR_DATA_DIR);
    setApplicationIconFile(QDir(QString::fromStdString(dataDir)).filePath("QuillastorTimer.png"));
    setDialogLanguage(QString::fromUtf8(start.texts.language().data(), qsizetype(start.texts.language().size())));
    QtPlatform platformServices(exe, userFolder, dataDir, soundModuleDirs(exe, QUILLASTOR_MODULE_DIR), start.texts);
    Services& services = platformServices.services;
    const TimerLaunch launch = launchTimer(platformServices.instances, services.files, services.settingsPath,
                                           services.userSettingsFolder, command.name, command.start, start.texts);
    if (launch.outcome == TimerLaunch::Outcome::Forwarded) return 0;
    if (launch.outcome == TimerLaunch::Outcome::Failed) {
        std::fprintf(stderr, "%s\n", launch.message.c_str());
        return launch.exitStatus();
    }
    services.settingsPath = launch.slot.path;
    services.startingSettingsPath = launch.slot.startingPath;
    X11HotKeys hotKeys;
    const std::vector<std::string> warnings = registerHotKeys(hotKeys, start.hotKeys, start.texts);
    for (const std::string& warning : warnings) std::fprintf(stderr, "%s\n", warning.c_str());
    QtModalRunner runner(platformServices.system);
    TimerApp timerApp;
    timerApp.run(services, runner, {command.start, command.name, launch.slot.hold.get(), &options, &hotKeys});
    return 0;
}
