// Painting the snapshot: background, underline band, centred time text.
#include "window/timer_window.h"

ColorRef invertColor(ColorRef color) { return color ^ 0xFFFFFFu; }

int32_t underlineThickness(int32_t height) { return height / 20 + 2; }

void TimerWindow::onPaint(Canvas& canvas) {
    if (host().isMinimized()) return;
    const Size client = host().clientSize();
    drawContent(canvas, Rect{0, 0, client.cx, client.cy});
}

void TimerWindow::drawContent(Canvas& canvas, Rect rect) {
    ColorRef text = settings_->textColor;
    ColorRef back = settings_->backColor;
    if (inverted_) {
        text = invertColor(text);
        back = invertColor(back);
    }
    canvas.fillRect(rect, back);

    if (displayState_->underline != 0) {
        const int32_t band = underlineThickness(rect.height());
        if (displayState_->running)
            canvas.fillRect(Rect{rect.left, rect.bottom - band, rect.right, rect.bottom}, text);
        // The text area excludes the band even while stopped, so starting
        // adds the bar without moving the digits.
        rect.bottom -= band;
    }

    canvas.setTextColor(text);
    canvas.setBackColor(back);
    if (const LogFont* font = settings_->fontObject()) canvas.selectFont(*font);
    canvas.drawCenteredText(rect, displayState_->text);
    canvas.selectDefaultFont();
}
