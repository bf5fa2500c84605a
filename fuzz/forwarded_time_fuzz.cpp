// Feeds arbitrary bytes to the reader of a second start's message: it accepts
// exactly what the sender writes, each time within the ranges.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "countdown/forwarded_time.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view message(reinterpret_cast<const char*>(data), size);
    const std::optional<ForwardedTime> decoded = decodeForwardedTime(message);
    if (!decoded) return 0;
    if (encodeForwardedTime(*decoded) != message) std::abort();
    if (const auto& time = decoded->time) {
        const bool inRange = time->clockTime ? time->seconds >= 0 && time->seconds < 86400
                                             : time->seconds >= 1 && time->seconds <= kLongestStartSeconds;
        if (!inRange) std::abort();
    }
    return 0;
}
