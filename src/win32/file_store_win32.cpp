#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

#include "platform/file_store.h"
#include "win32/wide_text.h"

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

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

    std::optional<std::vector<uint8_t>> readAll(const std::string& path) override {
        Handle file(CreateFileW(wideFromNarrow(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) return std::nullopt;
        std::vector<uint8_t> bytes;
        uint8_t buffer[4096];
        for (;;) {
            DWORD n = 0;
            if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) return std::nullopt;
            if (n == 0) break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
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
