#include <time.h>

#include "platform/tick_source.h"

namespace {

class BootTimeTickSource final : public TickSource {
public:
    uint32_t nowMs() const override {
        timespec ts{};
#ifdef CLOCK_BOOTTIME
        clock_gettime(CLOCK_BOOTTIME, &ts);
#else
        clock_gettime(CLOCK_MONOTONIC, &ts);  // macOS: no suspend-aware clock here
#endif
        // Reduced modulo 2^32 like GetTickCount; unsigned arithmetic wraps.
        const uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
        return static_cast<uint32_t>(ms);
    }
};

}  // namespace

const TickSource& systemTickSource() {
    static const BootTimeTickSource source;
    return source;
}
