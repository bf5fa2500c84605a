#include "settings/log_font.h"

#include <algorithm>
#include <cstring>

#include "platform/code_page.h"

namespace {

constexpr std::size_t kFaceOffset = 28;
constexpr std::size_t kFaceCapacity = 31;  // the 32nd byte stays the terminator

void putInt(uint8_t* out, int32_t value) {
    const auto raw = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(raw >> (8 * i));
}

int32_t getInt(const uint8_t* in) {
    const uint32_t raw = static_cast<uint32_t>(in[0]) | (static_cast<uint32_t>(in[1]) << 8) |
                         (static_cast<uint32_t>(in[2]) << 16) | (static_cast<uint32_t>(in[3]) << 24);
    return static_cast<int32_t>(raw);
}

bool isCp932LeadByte(uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The longest prefix of at most `limit` bytes that does not split a
// double-byte character.
std::size_t wholeCharacterPrefix(const std::string& cp932, std::size_t limit) {
    std::size_t end = 0;
    while (end < cp932.size()) {
        const std::size_t width = isCp932LeadByte(static_cast<uint8_t>(cp932[end])) ? 2 : 1;
        if (end + width > limit) break;
        end += width;
    }
    return end;
}

}  // namespace

std::array<uint8_t, LogFont::kSerializedSize> encodeLogFont(const LogFont& font) {
    std::array<uint8_t, LogFont::kSerializedSize> out{};
    const int32_t ints[] = {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight};
    for (std::size_t i = 0; i < 5; ++i) putInt(out.data() + 4 * i, ints[i]);
    const uint8_t bytes[] = {font.lfItalic,   font.lfUnderline,     font.lfStrikeOut, font.lfCharSet,
                             font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,  font.lfPitchAndFamily};
    std::copy(std::begin(bytes), std::end(bytes), out.begin() + 20);
    std::memcpy(out.data() + kFaceOffset, font.lfFaceName.data(), font.lfFaceName.size());
    return out;
}

LogFont decodeLogFont(const uint8_t* bytes) {
    LogFont font;
    font.lfHeight = getInt(bytes);
    font.lfWidth = getInt(bytes + 4);
    font.lfEscapement = getInt(bytes + 8);
    font.lfOrientation = getInt(bytes + 12);
    font.lfWeight = getInt(bytes + 16);
    font.lfItalic = bytes[20];
    font.lfUnderline = bytes[21];
    font.lfStrikeOut = bytes[22];
    font.lfCharSet = bytes[23];
    font.lfOutPrecision = bytes[24];
    font.lfClipPrecision = bytes[25];
    font.lfQuality = bytes[26];
    font.lfPitchAndFamily = bytes[27];
    std::memcpy(font.lfFaceName.data(), bytes + kFaceOffset, font.lfFaceName.size());
    return font;
}

std::optional<std::string> faceNameUtf8(const LogFont& font) {
    const auto& face = font.lfFaceName;
    const auto end = std::find(face.begin(), face.end(), '\0');
    return cp932ToUtf8(std::string_view(face.data(), static_cast<std::size_t>(end - face.begin())));
}

bool setFaceNameUtf8(LogFont& font, const std::string& utf8) {
    if (utf8.find('\0') != std::string::npos) return false;
    const auto cp932 = utf8ToCp932(utf8);
    if (!cp932) return false;
    const std::size_t length = wholeCharacterPrefix(*cp932, kFaceCapacity);
    font.lfFaceName.fill('\0');
    std::copy_n(cp932->begin(), length, font.lfFaceName.begin());
    return true;
}
