// A canvas that records every drawing call of one paint, in order.
#pragma once

#include <optional>
#include <string>
#include <utility>
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
    void fillRect(const Rect& rect, ColorRef color) override { add(Kind::Fill, rect, color); }
    void setTextColor(ColorRef color) override { add(Kind::TextColor, {}, color); }
    void setBackColor(ColorRef color) override { add(Kind::BackColor, {}, color); }
    bool selectFont(const LogFont& font) override { return add(Kind::SelectFont, {}, 0, font); }
    void selectDefaultFont() override { add(Kind::DefaultFont); }
    void drawCenteredText(const Rect& rect, const std::string& utf8) override { add(Kind::Text, rect, 0, {}, utf8); }

    std::vector<CanvasOp> opsOf(CanvasOp::Kind kind) const {
        std::vector<CanvasOp> out;
        for (const auto& op : ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }
    // The last text drawn, if any.
    std::optional<CanvasOp> text() const {
        auto texts = opsOf(Kind::Text);
        if (texts.empty()) return std::nullopt;
        return texts.back();
    }
    bool empty() const { return ops.empty(); }
    std::vector<CanvasOp> ops;

private:
    using Kind = CanvasOp::Kind;
    bool add(Kind kind, Rect rect = {}, ColorRef color = 0, LogFont font = {}, std::string text = {}) {
        ops.push_back({kind, rect, color, font, std::move(text)});
        return true;
    }
};
