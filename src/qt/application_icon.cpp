#include "qt/application_icon.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace {

QString& iconFile() {
    static QString path;
    return path;
}

}  // namespace

void setApplicationIconFile(const QString& path) { iconFile() = path; }

void ensureApplicationIcon() {
    static bool done = false;
    if (done || iconFile().isEmpty()) return;
    done = true;
    // From a pixmap, so no icon-engine plug-in is looked up for the file.
    const QPixmap pixmap(iconFile());
    if (!pixmap.isNull()) QApplication::setWindowIcon(QIcon(pixmap));
}
