// Text follows window (fitFontToWindow on a size change) and window follows
// text (fitWindowToText after a font or option change), plus the display
// commands that trigger them.
#include <optional>

#include "timekeeping/time_text.h"
#include "window/confirmed_font.h"
#include "window/timer_window.h"

namespace {

// Font heights only grow in steps of this size until one no longer fits.
constexpr int32_t kGrowthStep = 100;
// A font that keeps fitting (one that cannot grow with the height) stops here.
constexpr int32_t kGrowthCeiling = 10000;

bool fitsIn(Size extent, int32_t width, int32_t height) { return extent.cx <= width && extent.cy <= height; }

int32_t flipped(int32_t option) { return option == 0 ? 1 : 0; }

}  // namespace

void TimerWindow::onSize(int32_t clientWidth, int32_t clientHeight) {
    if (settings_ && settings_->autoFit != 0) fitFontToWindow(clientWidth, clientHeight);
    host().redrawNow();
}

Size TimerWindow::measureText(const LogFont& font) const {
    // "0" before a zero duration: room for two hour digits.
    return services_.text.measure(font, "0" + formatTime(0, timeFormatMode()));
}

void TimerWindow::fitFontToWindow(int32_t width, int32_t height) {
    if (sizingGuard_) return;
    LogFont font = settings_->logFont();
    const int32_t reserve = displayState_->underline != 0 ? underlineThickness(height) : 0;
    const int32_t textHeight = height - reserve;
    auto measureAt = [&](int32_t h) {
        font.lfHeight = h;
        return measureText(font);
    };

    // Growth: the first height that does not fit bounds the search. It also
    // ends when the extent stops growing or the ceiling is reached; the
    // bisection below then settles just under that height.
    int32_t bound = height;
    Size extent = measureAt(bound);
    std::optional<Size> previous;
    while (fitsIn(extent, width, textHeight) && bound < kGrowthCeiling && (!previous || extent != *previous)) {
        previous = extent;
        bound += kGrowthStep;
        extent = measureAt(bound);
    }

    int32_t lo = 0;
    int32_t hi = bound;
    int32_t prev = 0;
    for (;;) {
        const int32_t mid = lo + (hi - lo) / 2;
        if (fitsIn(measureAt(mid), width, textHeight))
            lo = mid;
        else
            hi = mid;
        if (mid == prev) break;
        prev = mid;
    }

    font.lfHeight = lo;
    settings_->setFont(font);
    host().redrawNow();
}

void TimerWindow::fitWindowToText() {
    sizingGuard_ = true;
    const Size extent = measureText(settings_->logFont());
    int64_t cy = extent.cy;
    // Grow the client so the area above the band is exactly the text height.
    if (settings_->underline != 0) cy = (20 * cy + 40) / 19;
    const Size frame = services_.system.sizingFrame();
    host().resizeTo(windowSide(int64_t{extent.cx} + 2 * frame.cx), windowSide(cy + 2 * frame.cy));
    sizingGuard_ = false;
}

void TimerWindow::chooseFont() {
    const std::optional<FontChoice> choice =
        services_.commonDialogs.chooseFont(settings_->logFont(), settings_->textColor);
    if (!choice) return;
    settings_->setFont(confirmedFont(settings_->logFont(), choice->shown, choice->font));
    settings_->textColor = choice->color;
    if (settings_->autoFit != 0) fitWindowToText();
    host().redrawNow();
}

void TimerWindow::chooseBackgroundColor() {
    const std::optional<ColorRef> color = services_.commonDialogs.chooseColor(settings_->backColor);
    if (!color) return;
    settings_->backColor = *color;
    host().redrawNow();
}

void TimerWindow::toggleUnderline() {
    settings_->underline = flipped(settings_->underline);
    if (settings_->autoFit != 0) fitWindowToText();
    updateDisplay(true);
}

void TimerWindow::toggleAutoFit() {
    settings_->autoFit = flipped(settings_->autoFit);
    if (settings_->autoFit != 0) fitWindowToText();
}
