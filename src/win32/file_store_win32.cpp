#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

#include "platform/file_store.h"
#include "win32/wide_text.h"

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
// Scanners, the search indexer and sync clients hold files for moments.
constexpr int kAttempts = 5;
constexpr DWORD kRetryWaitMs = 50;

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    bool close() {
        if (!valid()) return true;
        const bool ok = CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

bool writeAll(HANDLE file, const uint8_t* data, std::size_t size, std::size_t writableBytes) {
    std::size_t done = 0;
    while (done < size) {
        if (done >= writableBytes) return false;
        const std::size_t chunk = std::min<std::size_t>({size - done, writableBytes - done, 1u << 20});
        DWORD written = 0;
        if (!WriteFile(file, data + done, static_cast<DWORD>(chunk), &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

bool moveOver(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// ReplaceFileW keeps the old file's identity (its access control list,
// creation time, compression, encryption), which a rename over it would lose.
// When the old file has gone meanwhile, or was moved aside and left so, the
// new one just takes the name.
bool replace(const std::wstring& target, const std::wstring& replacement) {
    if (ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, 0, nullptr, nullptr)) return true;
    const DWORD error = GetLastError();
    return (error == ERROR_FILE_NOT_FOUND || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) && moveOver(replacement, target);
}

// Creates a new file beside `target` that no other writer can be using.
HANDLE createTemporary(const std::wstring& target, std::wstring& temp) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
        const HANDLE h =
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
    }
    return INVALID_HANDLE_VALUE;
}

class Win32FileStore : public FileStore {
public:
    explicit Win32FileStore(std::size_t writableBytes) : writableBytes_(writableBytes) {}

    // Others may read, write or delete the file meanwhile; only a file that
    // is not there counts as missing.
    FileRead read(const std::string& path) override {
        const std::wstring wide = wideFromNarrow(path);
        HANDLE h = INVALID_HANDLE_VALUE;
        DWORD error = ERROR_SUCCESS;
        for (int attempt = 1; attempt <= kAttempts; ++attempt) {
            if (attempt > 1) Sleep(kRetryWaitMs);
            h = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            error = GetLastError();
            if (h != INVALID_HANDLE_VALUE || error != ERROR_SHARING_VIOLATION) break;
        }
        Handle file(h);
        if (!file.valid()) {
            const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
            return {missing ? FileRead::Status::Missing : FileRead::Status::Unreadable, {}};
        }
        FileRead result{FileRead::Status::Read, {}};
        uint8_t buffer[4096];
        for (;;) {
            DWORD n = 0;
            if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) return {FileRead::Status::Unreadable, {}};
            if (n == 0) return result;
            result.bytes.insert(result.bytes.end(), buffer, buffer + n);
        }
    }

    bool replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) override {
        const std::wstring target = wideFromNarrow(path);
        // Both a replacement and a rewrite would get past a read-only flag.
        const DWORD attributes = GetFileAttributesW(target.c_str());
        const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
        if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return false;

        std::wstring temp;
        Handle file(createTemporary(target, temp));
        // A folder where the user may change the file but not add one.
        if (!file.valid()) return exists && rewrite(target, bytes);
        bool ok = writeAll(file.get(), bytes.data(), bytes.size(), writableBytes_);
        ok = ok && FlushFileBuffers(file.get()) != 0;
        ok = file.close() && ok;
        ok = ok && (exists ? replace(target, temp) : moveOver(temp, target));
        if (!ok) DeleteFileW(temp.c_str());
        return ok;
    }

    bool exists(const std::string& path) override {
        return GetFileAttributesW(wideFromNarrow(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    bool createFolders(const std::string& folder) override {
        const std::wstring wide = wideFromNarrow(folder);
        // Each folder on the way; the drive and the ones there already refuse.
        for (auto sep = wide.find_first_of(L"\\/", 1); sep != std::wstring::npos; sep = wide.find_first_of(L"\\/", sep + 1))
            CreateDirectoryW(wide.substr(0, sep).c_str(), nullptr);
        CreateDirectoryW(wide.c_str(), nullptr);
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

private:
    // In place: cut to nothing, write, flush. A failure leaves the file short.
    bool rewrite(const std::wstring& target, const std::vector<uint8_t>& bytes) const {
        Handle file(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid() || !SetEndOfFile(file.get())) return false;
        const bool ok = writeAll(file.get(), bytes.data(), bytes.size(), writableBytes_) && FlushFileBuffers(file.get());
        return file.close() && ok;
    }

    std::size_t writableBytes_;
};

}  // namespace

FileStore& systemFileStore() {
    static Win32FileStore store(kNoLimit);
    return store;
}

std::unique_ptr<FileStore> systemFileStoreFailingAfter(std::size_t writableBytes) {
    return std::make_unique<Win32FileStore>(writableBytes);
}
