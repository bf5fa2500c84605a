// The 60-byte logical-font record kept in the settings file. Field order and
// widths are those of Windows' LOGFONTA, so files move between versions and
// platforms; the face name stays as its code page 932 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct LogFont {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    std::array<char, 32> lfFaceName{};  // zero-terminated, code page 932

    static constexpr std::size_t kSerializedSize = 60;

    friend bool operator==(const LogFont&, const LogFont&) = default;
};

// Encodes the record as its 60 file bytes (little-endian integers) and back.
std::array<uint8_t, LogFont::kSerializedSize> encodeLogFont(const LogFont& font);
LogFont decodeLogFont(const uint8_t* bytes);

// The face name as UTF-8 for the backends that realise fonts; nullopt when the
// stored bytes are not valid code page 932.
std::optional<std::string> faceNameUtf8(const LogFont& font);
// Stores a UTF-8 face name as code page 932 bytes, cut to 31 bytes on a
// character boundary; false (face unchanged) when it has no CP932 form.
bool setFaceNameUtf8(LogFont& font, const std::string& utf8);
