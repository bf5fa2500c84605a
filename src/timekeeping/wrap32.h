// Wrapping 32-bit arithmetic for tick counts and milliseconds. Everything is
// computed in uint32_t (which wraps by definition) and only the final value is
// reinterpreted as signed, so no signed overflow can occur.
#pragma once

#include <cstdint>

namespace wrap32 {

// Two's-complement reinterpretation; well defined since C++20.
constexpr int32_t toSigned(uint32_t value) { return static_cast<int32_t>(value); }

constexpr uint32_t toUnsigned(int32_t value) { return static_cast<uint32_t>(value); }

// |value| as an unsigned magnitude: 2^31 for INT32_MIN instead of overflowing.
constexpr uint32_t magnitude(int32_t value) {
    const uint32_t bits = toUnsigned(value);
    return value < 0 ? 0u - bits : bits;
}

}  // namespace wrap32
