#include "fake/fake_platform.h"

Size FakeTextMeasurer::measure(const LogFont& font, const std::string& utf8) const {
    heights.push_back(font.lfHeight);
    texts.push_back(utf8);
    int32_t h = font.lfHeight == 0 ? defaultHeight : (font.lfHeight < 0 ? -font.lfHeight : font.lfHeight);
    if (fitLimit && h > *fitLimit) return {1 << 24, 1 << 24};
    if (growthCap && h > *growthCap) h = *growthCap;
    const auto len = static_cast<int32_t>(utf8.size());
    return {len * h * widthPercent / 100, h * heightPercent / 100};
}

std::optional<std::vector<uint8_t>> FakeFileStore::readAll(const std::string& path) {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool FakeFileStore::replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    ++writes;
    if (failWrites) return false;
    files[path] = bytes;
    return true;
}

std::optional<FontChoice> FakeCommonDialogs::chooseFont(const LogFont& initial, ColorRef initialColor) {
    fontCalls.emplace_back(initial, initialColor);
    return fontAnswer;
}

std::optional<ColorRef> FakeCommonDialogs::chooseColor(ColorRef initial) {
    colorCalls.push_back(initial);
    return colorAnswer;
}

std::optional<uint32_t> FakeMenuPresenter::track(const MenuModel& menu, Point screen) {
    shown.push_back(menu);
    points.push_back(screen);
    if (whileOpen) whileOpen();
    return choice;
}

int FakeDialogRunner::runSetTime(SetTimeDialog& dialog) {
    ++setTimeRuns;
    return onSetTime ? onSetTime(dialog) : kDialogCancel;
}

int FakeDialogRunner::runRegisteredTimes(RegisteredTimesDialog& dialog) {
    ++registeredTimesRuns;
    return onRegisteredTimes ? onRegisteredTimes(dialog) : kDialogCancel;
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
