#include <windows.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "win32/file_store_win32.h"
#include "win32/wide_text.h"

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
// Scanners, the search indexer and sync clients hold files for moments. A
// read at start keeps the user waiting, so it gives up after 200 ms; a save
// happens as the program or the session ends, and outlasts a hold of 2 s.
constexpr int kReadAttempts = 5;
constexpr DWORD kRetryWaitMs = 50;
constexpr int kReplaceAttempts = 2500 / kRetryWaitMs + 1;

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
DWORD replaceFile(const std::wstring& target, const std::wstring& replacement) {
    if (ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, 0, nullptr, nullptr)) return ERROR_SUCCESS;
    return GetLastError();
}

// A file held by another program (5, 32 and 1175) is tried again. Anything else, or the same after the last try,
// ends in a move over the target: after 1176 the old file is gone and the new
// one still has its temporary name; after 1177 the old one was moved aside.
bool worthRetrying(DWORD error, int attempt) {
    const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                      error == ERROR_UNABLE_TO_REMOVE_REPLACED;
    return held && attempt < kReplaceAttempts;
}

bool replace(const std::wstring& target, const std::wstring& replacement, const ReplaceCall& call) {
    for (int attempt = 1;; ++attempt) {
        const DWORD error = call(target, replacement);
        if (error == ERROR_SUCCESS) return true;
        if (!worthRetrying(error, attempt)) return moveOver(replacement, target);
        Sleep(kRetryWaitMs);
    }
}

bool isFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
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

// The folder's path as the file system keeps it, with the "\\?\" that
// Windows puts in front removed ("\\?\UNC\server" becomes "\\server").
std::optional<std::wstring> finalPath(const std::wstring& folder) {
    Handle handle(CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.valid()) return std::nullopt;
    std::wstring path(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = GetFinalPathNameByHandleW(handle.get(), path.data(), static_cast<DWORD>(path.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return std::nullopt;
        const bool fits = length < path.size();
        path.resize(length);
        if (fits) break;
    }
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\" + path.substr(7);
    if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

class Win32FileStore : public FileStore {
public:
    Win32FileStore(std::size_t writableBytes, ReplaceCall call) : writableBytes_(writableBytes), call_(std::move(call)) {}

    // Others may read, write or delete the file meanwhile; only a file that
    // is not there counts as missing.
    FileRead read(const std::string& path) override {
        const std::wstring wide = wideFromNarrow(path);
        HANDLE h = INVALID_HANDLE_VALUE;
        DWORD error = ERROR_SUCCESS;
        for (int attempt = 1; attempt <= kReadAttempts; ++attempt) {
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
            if (result.bytes.size() > kLargestFileBytes) return {FileRead::Status::Unreadable, {}};
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
        bool complete = writeAll(file.get(), bytes.data(), bytes.size(), writableBytes_);
        complete = complete && FlushFileBuffers(file.get()) != 0;
        complete = file.close() && complete;
        if (complete && (exists ? replace(target, temp, call_) : moveOver(temp, target))) return true;
        // A whole temporary file whose target has gone is the only copy left.
        if (!complete || isFile(target)) DeleteFileW(temp.c_str());
        return false;
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

    bool takesNewFiles(const std::string& folder) override {
        std::wstring probe;
        Handle file(createTemporary(wideFromNarrow(folder) + L"\\.QuillastorTimer-probe", probe));
        if (!file.valid()) return false;
        file.close();
        DeleteFileW(probe.c_str());
        return true;
    }

    std::string canonicalFolder(const std::string& folder) override {
        std::wstring existing = wideFromNarrow(folder), rest;
        for (;;) {
            if (std::optional<std::wstring> final = finalPath(existing)) {
                if (!rest.empty() && final->back() != L'\\') *final += L'\\';
                return narrowFromWide(*final + rest);
            }
            const auto separator = existing.find_last_of(L"\\/");
            if (separator == std::wstring::npos || separator + 1 == existing.size()) return folder;
            rest = existing.substr(separator + 1) + (rest.empty() ? L"" : L"\\" + rest);
            // "C:" alone would be the drive's current folder; its root is "C:\".
            existing.resize(separator > 0 && existing[separator - 1] == L':' ? separator + 1 : separator);
        }
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
    ReplaceCall call_;
};

}  // namespace

FileStore& systemFileStore() {
    static Win32FileStore store(kNoLimit, replaceFile);
    return store;
}

std::unique_ptr<FileStore> systemFileStoreFailingAfter(std::size_t writableBytes) {
    return std::make_unique<Win32FileStore>(writableBytes, replaceFile);
}

std::unique_ptr<FileStore> fileStoreReplacingWith(ReplaceCall call) {
    return std::make_unique<Win32FileStore>(kNoLimit, std::move(call));
}
