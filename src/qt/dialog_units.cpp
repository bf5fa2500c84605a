#include "qt/dialog_units.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

int mulDiv(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(double(value) * numerator / denominator));
}

}  // namespace

DialogBaseUnits dialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // Windows rounds the average of the 52 letters: (width / 26 + 1) / 2.
    return DialogBaseUnits{std::max(1, (width / 26 + 1) / 2), std::max(1, metrics.height())};
}

QRect dialogUnitsToPixels(const DialogBaseUnits& base, int x, int y, int width, int height) {
    return QRect(mulDiv(x, base.x, 4), mulDiv(y, base.y, 8), mulDiv(width, base.x, 4), mulDiv(height, base.y, 8));
}

LogFont templateLogFont(const char* faceUtf8, int points) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    LogFont font;
    font.lfHeight = -static_cast<int32_t>(std::lround(points * dpi / 72.0));
    font.lfCharSet = 1;  // DEFAULT_CHARSET
    setFaceNameUtf8(font, faceUtf8);
    return font;
}
