// The system's file store: safe replacement, injected write failures, the
// read-only file, and (POSIX) the folder that refuses new files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

class FileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quillastor-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        file = (dir / "Timer.dat").string();
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        if (fs::exists(file)) fs::permissions(file, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    void write(const Bytes& bytes) const {
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes read() const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }

    fs::path dir;
    std::string file;
};

TEST_F(FileStoreTest, ReplacesWholeOrNotAtAllAndLeavesNoTemporaries) {
    FileStore& store = systemFileStore();
    EXPECT_EQ(store.readAll(file), std::nullopt);
    ASSERT_TRUE(store.replaceAll(file, pattern(9000, 1)));
    EXPECT_EQ(store.readAll(file), pattern(9000, 1));
    for (const std::size_t offset : {0u, 1u, 64u, 127u}) {
        EXPECT_FALSE(systemFileStoreFailingAfter(offset)->replaceAll(file, pattern(128, 2))) << offset;
        EXPECT_EQ(read(), pattern(9000, 1)) << offset;
    }
    EXPECT_TRUE(systemFileStoreFailingAfter(128)->replaceAll(file, pattern(128, 3)));
    EXPECT_EQ(read(), pattern(128, 3));
    EXPECT_EQ(entries(), 1u);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(store.replaceAll(file, pattern(128, 4)));  // a read-only file is refused
    EXPECT_EQ(read(), pattern(128, 3));
    EXPECT_FALSE(store.replaceAll((dir / "no/such/Timer.dat").string(), pattern(4, 5)));
}

#ifndef _WIN32
// A folder where the user may write the file but not create one. Root may
// create files anywhere, so the save then runs as nobody in a child process.
TEST_F(FileStoreTest, FolderThatRefusesNewFilesRewritesTheFileInPlace) {
    write(pattern(136, 6));
    const uid_t user = geteuid() == 0 ? 65534 : geteuid();
    ASSERT_EQ(chown(dir.c_str(), user, user) | chown(file.c_str(), user, user), 0);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_exec);
    auto saveAs = [&](const Bytes& bytes) {
        const pid_t child = fork();
        if (child == 0) _exit((setuid(user) == 0 && systemFileStore().replaceAll(file, bytes)) ? 0 : 1);
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_TRUE(saveAs(pattern(128, 7)));
    EXPECT_EQ(read(), pattern(128, 7));
    EXPECT_EQ(entries(), 1u);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(saveAs(pattern(120, 8)));  // still refused when the file is read-only
    EXPECT_EQ(read(), pattern(128, 7));
}

TEST_F(FileStoreTest, ReplacementKeepsSymbolicLinkAndPermissions) {
    const fs::path target = dir / "real.dat";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, file);
    ASSERT_TRUE(systemFileStore().replaceAll(file, pattern(120, 9)));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(read(), pattern(120, 9));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
#endif

}  // namespace
