#include "qt/settings_location.h"

#include <QDir>

std::string userConfigHome() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configHome)) return configHome.toStdString();
    return QDir(QDir::homePath()).filePath(".config").toStdString();
}

std::string userSettingsFolder() {
    return QDir(QString::fromStdString(userConfigHome())).filePath("QuillastorTimer").toStdString();
}
