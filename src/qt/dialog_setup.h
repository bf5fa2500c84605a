// What every dialog needs and the timer window does not: the program icon and
// Qt's own texts in the chosen language (the standard buttons, the font and
// colour dialogs). Both are loaded when the first dialog opens, not at start.
// English, the language Qt is written in, needs no translation.
#pragma once

#include <QString>
#include <Qt>

void setApplicationIconFile(const QString& path);
// The language chosen at start ("ja").
void setDialogLanguage(const QString& language);

// Gives the application its icon and installs Qt's translation of the
// chosen language, once; call before building a dialog.
void prepareForDialogs();

// A fixed-size modal dialog: a title and a close button, no minimize or
// maximize button.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
