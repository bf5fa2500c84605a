// Loads arbitrary bytes as a settings file. Whatever loads must store back as
// the same 116 + 4N bytes (a negative count is stored as 0) and load again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "settings/countdown_settings.h"

namespace {

constexpr std::size_t kCountOffset = 104;

std::vector<uint8_t> stored(CountdownSettings& settings) {
    Archive archive = Archive::forStoring();
    if (!settings.serialize(archive)) std::abort();
    return archive.bytes();
}

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    CountdownSettings first;
    Archive input = Archive::forLoading(std::vector<uint8_t>(data, data + size));
    if (!first.serialize(input)) return 0;

    const std::vector<uint8_t> bytes = stored(first);
    require(bytes.size() == 116 + 4 * first.registeredTimes.size());
    require(bytes.size() <= size);
    std::vector<uint8_t> expected(data, data + bytes.size());
    if ((expected[kCountOffset + 3] & 0x80) != 0)
        std::fill_n(expected.begin() + kCountOffset, 4, uint8_t{0});
    require(bytes == expected);

    CountdownSettings second;
    Archive again = Archive::forLoading(bytes);
    require(second.serialize(again));
    require(stored(second) == bytes);

    (void)faceNameUtf8(first.logFont());
    first.limitRegisteredTimes();
    require(first.registeredTimes.size() <= CountdownSettings::kMaxRegisteredTimes);
    return 0;
}
