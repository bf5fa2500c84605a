#include "win32/gdi_canvas.h"

#include "win32/font_win32.h"
#include "win32/wide_text.h"

RECT toRECT(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

GdiCanvas::~GdiCanvas() {
    if (font_) SelectObject(dc_, GetStockObject(SYSTEM_FONT));
}

void GdiCanvas::fillRect(const Rect& rect, ColorRef color) {
    const BrushHandle brush(CreateSolidBrush(color));
    const RECT r = toRECT(rect);
    FillRect(dc_, &r, brush.get());
}

void GdiCanvas::setTextColor(ColorRef color) { SetTextColor(dc_, color); }

void GdiCanvas::setBackColor(ColorRef color) { SetBkColor(dc_, color); }

bool GdiCanvas::selectFont(const LogFont& font) {
    FontHandle created = createFont(font);
    if (!created) return false;
    SelectObject(dc_, created.get());
    font_ = std::move(created);  // the previous one, if any, is no longer selected
    return true;
}

void GdiCanvas::selectDefaultFont() {
    SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    font_.reset();
}

void GdiCanvas::drawCenteredText(const Rect& rect, const std::string& utf8) {
    RECT r = toRECT(rect);
    const std::wstring text = wideFromNarrow(utf8);
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
