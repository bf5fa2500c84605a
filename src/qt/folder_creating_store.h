// A file store that creates the folder of a file before writing it, so the
// settings file can go into a configuration folder that does not exist yet.
#pragma once

#include "platform/file_store.h"

class FolderCreatingStore final : public FileStore {
public:
    explicit FolderCreatingStore(FileStore& inner) : inner_(inner) {}
    std::optional<std::vector<uint8_t>> readAll(const std::string& path) override { return inner_.readAll(path); }
    bool replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) override;
    bool exists(const std::string& path) override { return inner_.exists(path); }

private:
    FileStore& inner_;
};
