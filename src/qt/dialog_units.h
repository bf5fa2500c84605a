// Dialog units of the Windows templates turned into pixels for a font: a
// horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "settings/log_font.h"

struct DialogBaseUnits {
    int x = 1;  // average character width, pixels
    int y = 1;  // character height, pixels
};

DialogBaseUnits dialogBaseUnits(const QFont& font);
QRect dialogUnitsToPixels(const DialogBaseUnits& base, int x, int y, int width, int height);

// The logical font of a template's font line: face (UTF-8) and point size at
// the primary screen's resolution, normal weight, default character set.
LogFont templateLogFont(const char* faceUtf8, int points);
