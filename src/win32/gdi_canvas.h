// The core's Canvas over a GDI device context (the off-screen one of a paint).
#pragma once

#include <windows.h>

#include <optional>

#include "platform/canvas.h"
#include "win32/gdi_handles.h"

class GdiCanvas final : public Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}
    ~GdiCanvas() override;

    void fillRect(const Rect& rect, ColorRef color) override;
    void setTextColor(ColorRef color) override;
    void setBackColor(ColorRef color) override;
    bool selectFont(const LogFont& font) override;
    void selectDefaultFont() override;
    void drawCenteredText(const Rect& rect, const std::string& utf8) override;

private:
    HDC dc_;
    // The realised font stays alive while it is selected.
    FontHandle font_;
};

RECT toRECT(const Rect& rect);
