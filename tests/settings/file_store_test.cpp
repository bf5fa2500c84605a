// The system's file store: safe replacement, injected write failures, the read-only
// file, a folder's one spelling, and (POSIX) the folder that refuses new files, links.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/file_store.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes pattern(std::size_t size, uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
    return bytes;
}

// A fresh folder for the test, with Timer.dat to be written in it; its name
// differs for each run, as several checkouts may test at once.
struct Folder {
    fs::path dir = fs::temp_directory_path() / ("quillastor-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                                                "-" + std::to_string(std::random_device{}()));
    std::string file = (dir / "Timer.dat").string();
    Folder() { fs::remove_all(dir), fs::create_directories(dir); }
    ~Folder() {
        for (const fs::path& p : {dir, fs::path(file)}) fs::permissions(p, fs::perms::owner_all, std::filesystem::perm_options::add, error);
        fs::remove_all(dir, error);
    }
    Bytes read() const { return systemFileStore().readAll(file).value_or(Bytes{}); }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
    std::error_code error;
};

TEST(FileStore, ReplacesWholeOrNotAtAllAndLeavesNoTemporaries) {
    Folder f;
    FileStore& store = systemFileStore();
    EXPECT_EQ(store.readAll(f.file), std::nullopt);
    ASSERT_TRUE(store.replaceAll(f.file, pattern(9000, 1)));
    for (const std::size_t offset : {0u, 1u, 64u, 127u}) {
        EXPECT_FALSE(systemFileStoreFailingAfter(offset)->replaceAll(f.file, pattern(128, 2))) << offset;
        EXPECT_EQ(f.read(), pattern(9000, 1)) << offset;
    }
    EXPECT_TRUE(systemFileStoreFailingAfter(128)->replaceAll(f.file, pattern(128, 3)));
    EXPECT_EQ(f.read(), pattern(128, 3));
    EXPECT_TRUE(store.takesNewFiles(f.dir.string()));  // and leaves nothing behind
    EXPECT_EQ(f.entries(), 1u);
    fs::permissions(f.file, fs::perms::owner_read);
    EXPECT_FALSE(store.replaceAll(f.file, pattern(128, 4)));  // a read-only file is refused
    EXPECT_EQ(f.read(), pattern(128, 3));
    EXPECT_FALSE(store.replaceAll((f.dir / "no/such/Timer.dat").string(), pattern(4, 5)));
    const std::string big = (f.dir / "Big.ini").string();  // longer than any file of the program: not read
    for (const std::size_t size : {kLargestFileBytes, kLargestFileBytes + 1}) {
        ASSERT_TRUE(store.replaceAll(big, pattern(size, 6)));
        EXPECT_EQ(store.read(big).status, size > kLargestFileBytes ? FileRead::Status::Unreadable : FileRead::Status::Read);
    }
    EXPECT_FALSE(store.takesNewFiles((f.dir / "no").string()));
    const std::string canonical = store.canonicalFolder(f.dir.string());
    EXPECT_EQ(store.canonicalFolder((f.dir / ".").string()), canonical);
    EXPECT_EQ(store.canonicalFolder((f.dir / "no" / "such").string()), (fs::path(canonical) / "no" / "such").string());
}

#ifndef _WIN32
// A folder where the user may write the file but not create one. Root may
// create files anywhere, so the save then runs as nobody in a child process.
TEST(FileStore, FolderThatRefusesNewFilesRewritesTheFileInPlace) {
    Folder f;
    std::ofstream(f.file) << "old";
    const uid_t user = geteuid() == 0 ? 65534 : geteuid();
    ASSERT_EQ(chown(f.dir.c_str(), user, user) | chown(f.file.c_str(), user, user), 0);
    fs::permissions(f.dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_exec);
    auto saveAs = [&](const Bytes& bytes) {
        const pid_t child = fork();
        FileStore& store = systemFileStore();
        if (child == 0) _exit(setuid(user) == 0 && !store.takesNewFiles(f.dir.string()) && store.replaceAll(f.file, bytes) ? 0 : 1);
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_TRUE(saveAs(pattern(128, 7)));
    EXPECT_EQ(f.read(), pattern(128, 7));
    EXPECT_EQ(f.entries(), 1u);
    fs::permissions(f.file, fs::perms::owner_read);
    EXPECT_FALSE(saveAs(pattern(120, 8)));  // still refused when the file is read-only
    EXPECT_EQ(f.read(), pattern(128, 7));
}

// A dangling link is followed: its target is created and the link kept. A
// link to a folder is that folder.
TEST(FileStore, DanglingLinkGetsItsTarget) {
    Folder f;
    fs::create_symlink("Target.dat", f.file);
    fs::create_directory_symlink(f.dir, f.dir / "link");
    EXPECT_EQ(systemFileStore().canonicalFolder((f.dir / "link").string()), systemFileStore().canonicalFolder(f.dir.string()));
    ASSERT_TRUE(systemFileStore().replaceAll(f.file, pattern(8, 1)));
    EXPECT_TRUE(fs::is_symlink(f.file));
    EXPECT_EQ(systemFileStore().readAll((f.dir / "Target.dat").string()), pattern(8, 1));
}
#endif

}  // namespace
