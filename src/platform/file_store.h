// Whole-file reads and safe replacement of files; the settings file and the
// help-file lookup go through it so tests can substitute their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What reading a whole file found. A file that is there but cannot be read
// (held by another program, access denied, an I/O error, an online-only file
// offline) is not a missing one: it must not be replaced by defaults.
struct FileRead {
    enum class Status { Missing, Unreadable, Read };
    Status status = Status::Missing;
    std::vector<uint8_t> bytes;  // when Read
};

// No file of the program comes near this size; a longer one (a mistake, or
// another program's file) reads as Unreadable instead of filling the memory.
inline constexpr std::size_t kLargestFileBytes = std::size_t{1} << 20;

class FileStore {
public:
    virtual ~FileStore() = default;
    virtual FileRead read(const std::string& path) = 0;
    // Writes a temporary file beside `path`, flushes it to disk and renames it
    // over `path`. A failure leaves any existing file untouched and returns
    // false; so does an existing file that is read-only. Where the folder
    // refuses new files but the file is writable, the file is rewritten in
    // place instead (truncated, written, flushed). A symbolic link is
    // followed, also to a target that does not exist yet. A file that another
    // program holds is waited for (2.5 s on Windows): the settings are saved
    // as the program or the session ends, when nobody waits on it.
    virtual bool replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) = 0;
    virtual bool exists(const std::string& path) = 0;
    // Creates `folder` and the folders above it that are missing, private to
    // the user where the system has such a thing; true when it is there.
    virtual bool createFolders(const std::string& folder) = 0;
    // Whether `folder` takes a new file: one is created there and removed
    // again. Permissions alone do not tell (an administrator passes them
    // even where the file system refuses every new file).
    virtual bool takesNewFiles(const std::string& folder) = 0;
    // The one spelling of `folder`: links, "." and "..", and on Windows
    // short names, substituted drives and letter case as the file system
    // keeps them, all resolved. A folder not there yet is its nearest
    // existing parent's spelling with the rest of the path as given.
    virtual std::string canonicalFolder(const std::string& folder) = 0;

    // The file's bytes, or nullopt when it is missing or unreadable.
    std::optional<std::vector<uint8_t>> readAll(const std::string& path) {
        FileRead result = read(path);
        if (result.status != FileRead::Status::Read) return std::nullopt;
        return std::move(result.bytes);
    }
};

FileStore& systemFileStore();

// The system store, except that writing a replacement fails once
// `writableBytes` bytes of it have been written (as a full disk would), so
// tests can prove that a failed replacement keeps the old file.
std::unique_ptr<FileStore> systemFileStoreFailingAfter(std::size_t writableBytes);
