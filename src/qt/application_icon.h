// The program's icon, given to the application only when the first window
// that shows it (a dialog or message box) opens: the frameless timer window
// has no title bar, so start-up need not decode it.
#pragma once

#include <QString>

void setApplicationIconFile(const QString& path);
void ensureApplicationIcon();
