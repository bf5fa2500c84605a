// The core's canvas over one QPainter pass on the timer widget. Qt
// double-buffers the widget, so the composed image reaches the screen in one
// copy.
#pragma once

#include <QColor>
#include <QFont>

#include "platform/canvas.h"

class QPainter;

class QtCanvas final : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    void fillRect(const Rect& rect, ColorRef color) override;
    void setTextColor(ColorRef color) override;
    void setBackColor(ColorRef color) override;
    bool selectFont(const LogFont& font) override;
    void selectDefaultFont() override;
    void drawCenteredText(const Rect& rect, const std::string& utf8) override;

private:
    QPainter& painter_;
    QFont defaultFont_;
    QFont font_;
    QColor text_{Qt::black};
    QColor back_{Qt::white};
};
