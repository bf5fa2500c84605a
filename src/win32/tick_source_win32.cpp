#include <windows.h>

#include "platform/tick_source.h"

namespace {

class GetTickCountSource final : public TickSource {
public:
    uint32_t nowMs() const override { return static_cast<uint32_t>(GetTickCount()); }
};

}  // namespace

const TickSource& systemTickSource() {
    static const GetTickCountSource source;
    return source;
}
