#include <cstdlib>

#include "fake/fake_platform.h"

Size FakeTextMeasurer::measure(const LogFont& font, const std::string& utf8) const {
    heights.push_back(font.lfHeight);
    texts.push_back(utf8);
    int64_t h = font.lfHeight == 0 ? defaultHeight : std::abs(int64_t{font.lfHeight});
    if (fitLimit && h > *fitLimit) return {1 << 24, 1 << 24};
    if (growthCap && h > *growthCap) h = *growthCap;
    const auto len = static_cast<int64_t>(utf8.size());
    return {Rect::saturated(len * h * widthPercent / 100), Rect::saturated(h * heightPercent / 100)};
}

LogFont fakeTemplateFont() {
    LogFont font;
    font.lfHeight = -12;
    font.lfCharSet = 1;
    setFaceNameUtf8(font, "ＭＳ Ｐゴシック");
    return font;
}

FakePlatform::FakePlatform()
    : runner([this] { return makeWindow(); }),
      services_{time, system, text, clock, sound, shell, files, messages, commonDialogs, menus, dialogs,
                "/fake/exe/quillastor.dat", "/fake/exe"} {}
