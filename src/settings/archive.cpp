#include "settings/archive.h"

#include <algorithm>
#include <utility>

Archive::Archive(bool loading, std::vector<uint8_t> bytes) : loading_(loading), bytes_(std::move(bytes)) {}

Archive Archive::forLoading(std::vector<uint8_t> bytes) { return Archive(true, std::move(bytes)); }

Archive Archive::forStoring() { return Archive(false, {}); }

bool Archive::readUInt32(uint32_t& value) {
    if (failed_ || bytes_.size() - position_ < 4) {
        failed_ = true;
        return false;
    }
    const uint8_t* p = bytes_.data() + position_;
    value = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
            (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    position_ += 4;
    return true;
}

bool Archive::readInt32(int32_t& value) {
    uint32_t raw = 0;
    if (!readUInt32(raw)) return false;
    value = static_cast<int32_t>(raw);  // two's complement, well defined since C++20
    return true;
}

void Archive::readBlock(uint8_t* data, std::size_t size) {
    const std::size_t available = std::min(size, bytes_.size() - position_);
    std::copy_n(bytes_.data() + position_, available, data);
    std::fill(data + available, data + size, uint8_t{0});
    position_ += available;
}

void Archive::writeUInt32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(value >> shift));
}

void Archive::writeInt32(int32_t value) { writeUInt32(static_cast<uint32_t>(value)); }

void Archive::writeBlock(const uint8_t* data, std::size_t size) { bytes_.insert(bytes_.end(), data, data + size); }
