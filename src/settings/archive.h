// The settings file's serializer: little-endian 32-bit integers and raw
// blocks, in order, over a byte buffer in memory. Reading an integer past the
// end fails; a raw block past the end reads what is there and zero-fills.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class Archive {
public:
    static Archive forLoading(std::vector<uint8_t> bytes);
    static Archive forStoring();

    bool isLoading() const { return loading_; }
    bool failed() const { return failed_; }

    // Loading: returns false (and fails the archive) when fewer than 4 bytes remain.
    bool readInt32(int32_t& value);
    bool readUInt32(uint32_t& value);
    void readBlock(uint8_t* data, std::size_t size);
    bool hasMore() const { return position_ < bytes_.size(); }

    void writeInt32(int32_t value);
    void writeUInt32(uint32_t value);
    void writeBlock(const uint8_t* data, std::size_t size);

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    Archive(bool loading, std::vector<uint8_t> bytes);
    bool loading_;
    bool failed_ = false;
    std::vector<uint8_t> bytes_;
    std::size_t position_ = 0;
};
