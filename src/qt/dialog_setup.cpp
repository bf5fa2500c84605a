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

QString& dialogLanguage() {
    static QString language = QStringLiteral("en");
    return language;
}

void installQtTranslation() {
    if (dialogLanguage() == u"en") return;
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_") + dialogLanguage(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

void setApplicationIconFile(const QString& path) { iconFile() = path; }

void setDialogLanguage(const QString& language) { dialogLanguage() = language; }

void prepareForDialogs() {
    static bool done = false;
    if (done) return;
    done = true;
    installQtTranslation();
    // From a pixmap, so no icon-engine plug-in is looked up for the file.
    const QPixmap pixmap(iconFile());
    if (!pixmap.isNull()) QApplication::setWindowIcon(QIcon(pixmap));
}
