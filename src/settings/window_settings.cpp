#include "settings/window_settings.h"

#include <initializer_list>
#include <utility>

namespace {

void readRect(Archive& archive, Rect& rect) {
    uint8_t raw[16];
    archive.readBlock(raw, sizeof raw);
    int32_t* fields[] = {&rect.left, &rect.top, &rect.right, &rect.bottom};
    for (std::size_t i = 0; i < 4; ++i) {
        const uint8_t* p = raw + 4 * i;
        const uint32_t value = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                               (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
        *fields[i] = static_cast<int32_t>(value);
    }
}

}  // namespace

bool WindowSettings::serialize(Archive& archive) {
    if (!archive.isLoading()) {
        for (const int32_t v : {windowRect.left, windowRect.top, windowRect.right, windowRect.bottom})
            archive.writeInt32(v);
        archive.writeInt32(topmost);
        const auto font = encodeLogFont(logFont());
        archive.writeBlock(font.data(), font.size());
        archive.writeUInt32(textColor);
        archive.writeUInt32(backColor);
        for (const int32_t v : {underline, autoFit, reserved}) archive.writeInt32(v);
        return true;
    }
    // A short block reads what is there; the integer read after it then
    // fails, leaving the fields read so far in place.
    readRect(archive, windowRect);
    if (!archive.readInt32(topmost)) return false;
    uint8_t font[LogFont::kSerializedSize];
    archive.readBlock(font, sizeof font);
    setFont(decodeLogFont(font));
    return archive.readUInt32(textColor) && archive.readUInt32(backColor) && archive.readInt32(underline) &&
           archive.readInt32(autoFit) && archive.readInt32(reserved);
}

bool WindowSettings::load(std::vector<uint8_t> bytes) {
    Archive archive = Archive::forLoading(std::move(bytes));
    return serialize(archive);
}

std::vector<uint8_t> WindowSettings::storedBytes() {
    Archive archive = Archive::forStoring();
    serialize(archive);
    return archive.bytes();
}

void WindowSettings::setFont(const LogFont& font) { font_ = font; }

LogFont WindowSettings::logFont() const { return font_ ? *font_ : LogFont{}; }
