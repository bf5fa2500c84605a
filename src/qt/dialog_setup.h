// What every dialog needs and the timer window does not: the program icon and
// Qt's own Japanese texts (the standard buttons, the font and colour
// dialogs). Both are loaded when the first dialog opens, not at start.
#pragma once

#include <QString>
#include <Qt>

void setApplicationIconFile(const QString& path);

// Gives the application its icon and installs Qt's Japanese translation,
// once; call before building a dialog.
void prepareForDialogs();

// A fixed-size modal dialog: a title and a close button, no minimize or
// maximize button.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
