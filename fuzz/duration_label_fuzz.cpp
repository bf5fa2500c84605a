// Feeds arbitrary bytes to the label parser, and checks that a label made from
// a non-negative duration (taken from the first four bytes), in a language
// taken from the fifth, parses back to it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "timekeeping/time_text.h"

namespace {

void checkRoundTrip(const uint8_t* data, size_t size) {
    if (size < 4)
        return;
    const uint32_t bits = uint32_t{data[0]} | uint32_t{data[1]} << 8 | uint32_t{data[2]} << 16 |
                          uint32_t{data[3]} << 24;
    const auto seconds = static_cast<int32_t>(bits & 0x7FFFFFFFu);
    const Catalogue& language = kCatalogues[size > 4 ? data[4] % kCatalogues.size() : 0];
    if (parseDurationLabel(durationLabel(seconds, Texts(language))) != seconds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Whatever takeNumberBefore leaves must be a tail of its input.
    std::string rest = text;
    (void)takeNumberBefore(rest, size % 2 ? "min" : "分");
    if (rest.size() > text.size() || text.compare(text.size() - rest.size(), rest.size(), rest) != 0)
        std::abort();
    (void)parseDurationLabel(text);
    checkRoundTrip(data, size);
    return 0;
}
