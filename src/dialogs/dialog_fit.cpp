#include "dialogs/dialog_fit.h"

#include <algorithm>
#include <cstdint>

#include "timekeeping/time_text.h"

using dialog_texts::ControlLayout;
using dialog_texts::DialogUnitRect;

namespace {

// The widest label the set-time dialog can give a registered time.
constexpr int32_t kLongestLabelSeconds = 23 * 3600 + 59 * 60 + 59;

// The largest ratio of a need to what the template gives.
struct Stretch {
    int64_t need = 1, given = 1;
    void atLeast(int64_t n, int64_t g) {
        if (g > 0 && n * given > need * g) need = n, given = g;
    }
    int floor(int v) const { return static_cast<int>(v * need / given); }
    int ceil(int v) const { return static_cast<int>((v * need + given - 1) / given); }
};

DialogUnitRect stretched(const DialogUnitRect& r, const Stretch& across, const Stretch& down) {
    const int x = across.floor(r.x), y = down.floor(r.y);
    return {x, y, across.ceil(r.x + r.width) - x, down.ceil(r.y + r.height) - y};
}

}  // namespace

std::string widestListEntry(const Texts& texts) { return durationLabel(kLongestLabelSeconds, texts); }

FittedDialog fitDialog(const dialog_texts::DialogLayout& layout, std::span<const ControlLayout> controls,
                       std::span<const ControlNeed> needs) {
    Stretch across, down;
    const std::size_t measured = std::min(controls.size(), needs.size());
    for (std::size_t i = 0; i < measured; ++i) {
        across.atLeast(needs[i].width, controls[i].rect.width);
        down.atLeast(needs[i].height, controls[i].rect.height);
    }
    FittedDialog fitted{stretched(layout.rect, across, down), {}};
    for (const ControlLayout& control : controls) fitted.controls.push_back(stretched(control.rect, across, down));
    return fitted;
}
