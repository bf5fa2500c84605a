// The native Linux program: the countdown timer over Qt 6 Widgets.
#include <QApplication>
#include <QDir>

#include "countdown/timer_app.h"
#include "platform/executable_path.h"
#include "qt/dialog_setup.h"
#include "qt/font_mapping.h"
#include "qt/qt_modal_runner.h"
#include "qt/qt_services.h"
#include "qt/settings_location.h"

#ifndef QUILLASTOR_DATA_DIR
#define QUILLASTOR_DATA_DIR "../share/quillastor-timer"
#endif
#ifndef QUILLASTOR_MODULE_DIR
#define QUILLASTOR_MODULE_DIR "../lib/quillastor-timer"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installJapaneseFaceSubstitutes();

    const std::string exe = executablePath();
    const std::string dataDir = shippedFilesDir(exe, QUILLASTOR_DATA_DIR);
    setApplicationIconFile(QDir(QString::fromStdString(dataDir)).filePath("QuillastorTimer.png"));
    QtPlatform platform(exe, userConfigHome(), dataDir, soundModuleDirs(exe, QUILLASTOR_MODULE_DIR));
    QtModalRunner runner(platform.system);
    TimerApp app_object;
    app_object.run(platform.services, runner);
    return 0;
}
