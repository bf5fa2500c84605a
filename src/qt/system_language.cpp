#include "qt/system_language.h"

#include <QLocale>

std::vector<std::string> systemUiLanguages() {
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages()) languages.push_back(language.toStdString());
    return languages;
}
