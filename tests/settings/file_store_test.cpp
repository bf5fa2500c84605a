#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/file_store.h"

namespace fs = std::filesystem;

namespace {

class FileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("quillastor-store-") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir_, ec))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    static void writeFile(const std::string& p, const std::vector<uint8_t>& bytes) {
        std::ofstream out(p, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<uint8_t> readFile(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t entriesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
};

std::vector<uint8_t> pattern(std::size_t size, uint8_t seed) {
    std::vector<uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
    return bytes;
}

}  // namespace

TEST_F(FileStoreTest, CreatesAndReplacesWithoutLeavingTemporaries) {
    const auto p = path("Timer.dat");
    EXPECT_EQ(systemFileStore().readAll(p), std::nullopt);
    EXPECT_FALSE(systemFileStore().exists(p));
    ASSERT_TRUE(systemFileStore().replaceAll(p, pattern(128, 1)));
    EXPECT_TRUE(systemFileStore().exists(p));
    EXPECT_EQ(systemFileStore().readAll(p), pattern(128, 1));
    ASSERT_TRUE(systemFileStore().replaceAll(p, pattern(9000, 2)));
    EXPECT_EQ(readFile(p), pattern(9000, 2));
    EXPECT_EQ(entriesInDir(), 1u);
}

TEST_F(FileStoreTest, WriteFailureAtAnyOffsetKeepsTheOldFile) {
    const auto p = path("Timer.dat");
    const auto old = pattern(136, 3);
    for (const std::size_t offset : {0u, 1u, 64u, 127u}) {
        writeFile(p, old);
        auto failing = systemFileStoreFailingAfter(offset);
        EXPECT_FALSE(failing->replaceAll(p, pattern(128, 4))) << offset;
        EXPECT_EQ(readFile(p), old) << offset;
        EXPECT_EQ(entriesInDir(), 1u) << "temporary file left at offset " << offset;
    }
    // The same store succeeds when the write fits under its limit.
    EXPECT_TRUE(systemFileStoreFailingAfter(128)->replaceAll(p, pattern(128, 4)));
    EXPECT_EQ(readFile(p), pattern(128, 4));
    // With no old file, a failed write leaves none; a missing folder fails.
    fs::remove(p);
    EXPECT_FALSE(systemFileStoreFailingAfter(64)->replaceAll(p, pattern(128, 5)));
    EXPECT_EQ(entriesInDir(), 0u);
    EXPECT_FALSE(systemFileStore().replaceAll(path("no/such/dir/Timer.dat"), pattern(4, 8)));
}

TEST_F(FileStoreTest, ReadOnlyFileStaysAsItIs) {
    const auto p = path("Timer.dat");
    const auto old = pattern(128, 6);
    writeFile(p, old);
    fs::permissions(p, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(systemFileStore().replaceAll(p, pattern(128, 7)));
    EXPECT_EQ(readFile(p), old);
    EXPECT_EQ(entriesInDir(), 1u);
}

#ifndef _WIN32
TEST_F(FileStoreTest, ReplacementKeepsSymbolicLinkAndPermissions) {
    const auto target = path("real.dat");
    const auto link = path("Timer.dat");
    writeFile(target, pattern(128, 9));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, link);
    ASSERT_TRUE(systemFileStore().replaceAll(link, pattern(120, 10)));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), pattern(120, 10));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
#endif
