#include "qt/qt_text_measurer.h"

#include <QFontMetrics>
#include <QString>

#include "qt/font_mapping.h"

Size QtTextMeasurer::measure(const LogFont& font, const std::string& utf8) const {
    const QFontMetrics metrics(cachedFont(font));
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return Size{metrics.horizontalAdvance(text), metrics.height()};
}
