// An in-memory FileStore: files are a map from path to bytes.
#pragma once

#include <map>

#include "platform/file_store.h"

class MemoryFileStore : public FileStore {
public:
    std::optional<std::vector<uint8_t>> readAll(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    bool replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) override {
        if (refuseWrites) return false;
        files[path] = bytes;
        return true;
    }
    bool exists(const std::string& path) override { return files.count(path) != 0; }

    std::map<std::string, std::vector<uint8_t>> files;
    bool refuseWrites = false;
};
