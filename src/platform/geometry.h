// Points, sizes, rectangles and colours as the core and every backend speak
// them. Plain values only: nothing here may include an OS or toolkit header.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Screen or client rectangle; right and bottom are exclusive, as on Windows.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // Saturated: a hand-edited rectangle may span more than 2^31 pixels.
    int32_t width() const { return saturated(int64_t{right} - left); }
    int32_t height() const { return saturated(int64_t{bottom} - top); }
    friend bool operator==(const Rect&, const Rect&) = default;

    static int32_t saturated(int64_t value) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                        std::numeric_limits<int32_t>::max()));
    }
};

// 0x00BBGGRR, the Windows COLORREF layout; the settings file stores it as is.
using ColorRef = uint32_t;

constexpr ColorRef rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) | (static_cast<ColorRef>(b) << 16);
}
constexpr uint8_t redOf(ColorRef c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t greenOf(ColorRef c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t blueOf(ColorRef c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
