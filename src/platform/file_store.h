// Whole-file reads and safe replacement of files; the settings file and the
// help-file lookup go through it so tests can substitute their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FileStore {
public:
    virtual ~FileStore() = default;
    // The file's bytes, or nullopt when it cannot be opened or read.
    virtual std::optional<std::vector<uint8_t>> readAll(const std::string& path) = 0;
    // Writes a temporary file beside `path`, flushes it to disk and renames it
    // over `path`. A failure leaves any existing file untouched and returns
    // false; so does an existing file that is read-only. Where the folder
    // refuses new files but the file is writable, the file is rewritten in
    // place instead (truncated, written, flushed).
    virtual bool replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) = 0;
    virtual bool exists(const std::string& path) = 0;
};

FileStore& systemFileStore();

// The system store, except that writing a replacement fails once
// `writableBytes` bytes of it have been written (as a full disk would), so
// tests can prove that a failed replacement keeps the old file.
std::unique_ptr<FileStore> systemFileStoreFailingAfter(std::size_t writableBytes);
