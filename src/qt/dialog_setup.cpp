#include "qt/dialog_setup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

namespace {

QString& iconFile() {
    static QString path;
    return path;
}

void installQtTranslation() {
    auto* translator = new QTranslator(qApp);
    // The interface is Japanese whatever the locale.
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

void setApplicationIconFile(const QString& path) { iconFile() = path; }

void prepareForDialogs() {
    static bool done = false;
    if (done) return;
    done = true;
    installQtTranslation();
    // From a pixmap, so no icon-engine plug-in is looked up for the file.
    const QPixmap pixmap(iconFile());
    if (!pixmap.isNull()) QApplication::setWindowIcon(QIcon(pixmap));
}
