#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/file_store.h"

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

bool writeAll(int fd, const uint8_t* data, std::size_t size, std::size_t writableBytes) {
    std::size_t done = 0;
    while (done < size) {
        if (done >= writableBytes) {
            errno = ENOSPC;
            return false;
        }
        const std::size_t chunk = std::min(size - done, writableBytes - done);
        const ssize_t n = ::write(fd, data + done, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Follows symbolic links so that a link survives the rename, also one whose
// target does not exist yet (the target is then created).
std::string resolvedTarget(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0) return path;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : directoryOf(path) + "/" + target;
    }
    return path;
}

// Creates a new file beside `target`; the kernel applies the umask to it.
int createTemporary(const std::string& target, std::string& temp) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A rename would bypass a read-only flag, so refuse as an in-place write
// would. The write bits are checked too: access() says yes to root.
// `mode` receives the existing file's permissions, if there is one.
bool writableOrAbsent(const std::string& path, std::optional<mode_t>& mode) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISREG(st.st_mode)) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (::access(path.c_str(), W_OK) != 0) return false;
    mode = st.st_mode & 07777;
    return true;
}

void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename itself has already happened
    ::close(fd);
}

class PosixFileStore : public FileStore {
public:
    explicit PosixFileStore(std::size_t writableBytes) : writableBytes_(writableBytes) {}

    // Missing only when there is no such file; any other refusal (EACCES,
    // EIO, ...) means a file that is there and must be kept.
    FileRead read(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            const bool missing = errno == ENOENT || errno == ENOTDIR;
            return {missing ? FileRead::Status::Missing : FileRead::Status::Unreadable, {}};
        }
        FileRead result{FileRead::Status::Read, {}};
        uint8_t buffer[4096];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) result = {FileRead::Status::Unreadable, {}};
            if (n <= 0) break;
            result.bytes.insert(result.bytes.end(), buffer, buffer + n);
            if (result.bytes.size() > kLargestFileBytes) {
                result = {FileRead::Status::Unreadable, {}};
                break;
            }
        }
        ::close(fd);
        return result;
    }

    bool replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) override {
        const std::string target = resolvedTarget(path);
        std::optional<mode_t> mode;
        if (!writableOrAbsent(target, mode)) return false;

        std::string temp;
        const int fd = createTemporary(target, temp);
        if (fd < 0) {
            // A folder where the user may write the file but not create one:
            // the file is rewritten in place, without the safety of a rename.
            const bool folderRefuses = errno == EACCES || errno == EPERM;
            return folderRefuses && mode && rewriteInPlace(target, bytes);
        }
        bool ok = writeAll(fd, bytes.data(), bytes.size(), writableBytes_);
        ok = ok && (!mode || ::fchmod(fd, *mode) == 0);
        ok = ok && ::fsync(fd) == 0;
        ok = (::close(fd) == 0) && ok;
        ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
        if (!ok) {
            ::unlink(temp.c_str());
            return false;
        }
        syncDirectory(directoryOf(target));
        return true;
    }

    bool exists(const std::string& path) override {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0;
    }

    // 0700, as the XDG rules ask of the folders they create; folders that
    // are there already keep their permissions.
    bool createFolders(const std::string& folder) override {
        for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
            ::mkdir(folder.substr(0, slash).c_str(), 0700);
        ::mkdir(folder.c_str(), 0700);
        struct stat st {};
        return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    bool takesNewFiles(const std::string& folder) override {
        std::string probe;
        const int fd = createTemporary(folder + "/.QuillastorTimer-probe", probe);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    }

    std::string canonicalFolder(const std::string& folder) override {
        std::string existing = folder, rest;
        for (;;) {
            if (char* real = ::realpath(existing.c_str(), nullptr)) {
                std::string canonical(real);
                std::free(real);
                if (rest.empty()) return canonical;
                return canonical + (canonical.back() == '/' ? "" : "/") + rest;
            }
            const auto slash = existing.find_last_of('/');
            if (slash == std::string::npos || existing.size() <= 1) return folder;
            rest = existing.substr(slash + 1) + (rest.empty() ? "" : "/" + rest);
            existing = slash == 0 ? "/" : existing.substr(0, slash);
        }
    }

private:
    bool rewriteInPlace(const std::string& target, const std::vector<uint8_t>& bytes) const {
        const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) return false;
        const bool ok = writeAll(fd, bytes.data(), bytes.size(), writableBytes_) && ::fsync(fd) == 0;
        return (::close(fd) == 0) && ok;
    }

    std::size_t writableBytes_;
};

}  // namespace

FileStore& systemFileStore() {
    static PosixFileStore store(kNoLimit);
    return store;
}

std::unique_ptr<FileStore> systemFileStoreFailingAfter(std::size_t writableBytes) {
    return std::make_unique<PosixFileStore>(writableBytes);
}
