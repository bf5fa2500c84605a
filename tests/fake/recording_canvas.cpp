#include "fake/recording_canvas.h"

void RecordingCanvas::fillRect(const Rect& rect, ColorRef color) {
    ops.push_back({CanvasOp::Kind::Fill, rect, color, {}, {}});
}

void RecordingCanvas::setTextColor(ColorRef color) {
    ops.push_back({CanvasOp::Kind::TextColor, {}, color, {}, {}});
}

void RecordingCanvas::setBackColor(ColorRef color) {
    ops.push_back({CanvasOp::Kind::BackColor, {}, color, {}, {}});
}

bool RecordingCanvas::selectFont(const LogFont& font) {
    ops.push_back({CanvasOp::Kind::SelectFont, {}, 0, font, {}});
    return fontsRealise;
}

void RecordingCanvas::selectDefaultFont() {
    ops.push_back({CanvasOp::Kind::DefaultFont, {}, 0, {}, {}});
}

void RecordingCanvas::drawCenteredText(const Rect& rect, const std::string& utf8) {
    ops.push_back({CanvasOp::Kind::Text, rect, 0, {}, utf8});
}

std::vector<CanvasOp> RecordingCanvas::opsOf(CanvasOp::Kind kind) const {
    std::vector<CanvasOp> out;
    for (const auto& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

std::optional<CanvasOp> RecordingCanvas::text() const {
    auto texts = opsOf(CanvasOp::Kind::Text);
    if (texts.empty()) return std::nullopt;
    return texts.back();
}
