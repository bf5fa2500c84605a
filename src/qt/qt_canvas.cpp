#include "qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "qt/font_mapping.h"
#include "qt/qt_geometry.h"

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter), defaultFont_(painter.font()), font_(defaultFont_) {}

void QtCanvas::fillRect(const Rect& rect, ColorRef color) { painter_.fillRect(toQRect(rect), toQColor(color)); }

void QtCanvas::setTextColor(ColorRef color) { text_ = toQColor(color); }

void QtCanvas::setBackColor(ColorRef color) { back_ = toQColor(color); }

bool QtCanvas::selectFont(const LogFont& font) {
    font_ = cachedFont(font);
    return true;
}

void QtCanvas::selectDefaultFont() { font_ = defaultFont_; }

void QtCanvas::drawCenteredText(const Rect& rect, const std::string& utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QFontMetrics metrics(font_);
    const QRect box = toQRect(rect);
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    // The character cells are opaque in the back colour, as with an opaque
    // background mode; the rest of the rectangle is left as it is.
    const QRect cells(box.x() + (box.width() - width) / 2, box.y() + (box.height() - height) / 2, width, height);
    painter_.save();
    painter_.setClipRect(box, Qt::IntersectClip);
    painter_.fillRect(cells, back_);
    painter_.setFont(font_);
    painter_.setPen(text_);
    painter_.drawText(QPoint(cells.x(), cells.y() + metrics.ascent()), text);
    painter_.restore();
}
