#include "qt/settings_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/window_settings.h"

std::string chooseSettingsPath(const std::string& executablePath, const std::string& configHome) {
    const QFileInfo exe(QString::fromStdString(executablePath));
    if (!executablePath.empty()) {
        const QFileInfo folder(exe.absolutePath());
        if (folder.isDir() && folder.isWritable()) return settingsFilePath(executablePath);
    }
    return QDir(QString::fromStdString(configHome)).filePath("QuillastorTimer/QuillastorTimer.dat").toStdString();
}

std::string userConfigHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}
