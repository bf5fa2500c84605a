// A canvas that records every drawing call of one paint, in order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

struct CanvasOp {
    enum class Kind { Fill, TextColor, BackColor, SelectFont, DefaultFont, Text };
    Kind kind;
    Rect rect{};
    ColorRef color = 0;
    LogFont font{};
    std::string text;
};

class RecordingCanvas : public Canvas {
public:
    void fillRect(const Rect& rect, ColorRef color) override;
    void setTextColor(ColorRef color) override;
    void setBackColor(ColorRef color) override;
    bool selectFont(const LogFont& font) override;
    void selectDefaultFont() override;
    void drawCenteredText(const Rect& rect, const std::string& utf8) override;

    // selectFont answers this (false: the font could not be realised).
    bool fontsRealise = true;
    std::vector<CanvasOp> ops;

    std::vector<CanvasOp> opsOf(CanvasOp::Kind kind) const;
    // The last text drawn, if any.
    std::optional<CanvasOp> text() const;
    bool empty() const { return ops.empty(); }
};
