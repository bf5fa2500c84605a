#include "qt/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void QtShell::open(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath()));
}
