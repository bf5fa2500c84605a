#include "qt/qt_services.h"

#include <QDir>
#include <QFileInfo>

#include "platform/tick_source.h"
#include "settings/window_settings.h"

std::string shippedFilesDir(const std::string& executablePath, const std::string& installedDataDir) {
    const QString exeDir = QFileInfo(QString::fromStdString(executablePath)).absolutePath();
    const QDir dir(exeDir);
    if (QFileInfo::exists(dir.filePath("NotifySound.wav"))) return exeDir.toStdString();
    return QDir::cleanPath(dir.filePath(QString::fromStdString(installedDataDir))).toStdString();
}

std::vector<std::string> soundModuleDirs(const std::string& executablePath, const std::string& installedModuleDir) {
    const QDir dir(QFileInfo(QString::fromStdString(executablePath)).absolutePath());
    return {dir.path().toStdString(),
            QDir::cleanPath(dir.filePath(QString::fromStdString(installedModuleDir))).toStdString()};
}

QtPlatform::QtPlatform(const std::string& executablePath, const std::string& userFolder, const std::string& dataDir,
                       std::vector<std::string> moduleDirs, const Texts& texts)
    : sound({dataDir}, std::move(moduleDirs)),
      commonDialogs(texts),
      dialogs(texts),
      notifications(QDir(QString::fromStdString(dataDir)).filePath(QStringLiteral("QuillastorTimer.png"))),
      services{systemTickSource(), system,    text,     clock,         sound,    shell,
               systemFileStore(),  messages,  commonDialogs, menus,     dialogs,  instances,
               settingsFilePath(executablePath), dataDir, userFolder, {}, texts, &notifications} {}
