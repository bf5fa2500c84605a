#include <gtest/gtest.h>

#include "settings/archive.h"

TEST(Archive, ReadsLittleEndianSignedAndUnsigned) {
    Archive a = Archive::forLoading({0xF0, 0xFF, 0xFF, 0xFF, 0x10, 0x0E, 0x00, 0x80});
    int32_t s = 0;
    uint32_t u = 0;
    ASSERT_TRUE(a.readInt32(s));
    ASSERT_TRUE(a.readUInt32(u));
    EXPECT_EQ(s, -16);
    EXPECT_EQ(u, 0x80000E10u);
    EXPECT_FALSE(a.hasMore());
    EXPECT_FALSE(a.failed());
}

TEST(Archive, IntegerPastTheEndFailsAndStaysFailed) {
    Archive a = Archive::forLoading({1, 2, 3});
    int32_t v = 77;
    EXPECT_FALSE(a.readInt32(v));
    EXPECT_EQ(v, 77);
    EXPECT_TRUE(a.failed());

    Archive b = Archive::forLoading({1, 0, 0, 0, 2, 0});
    ASSERT_TRUE(b.readInt32(v));
    EXPECT_FALSE(b.readInt32(v));
    EXPECT_FALSE(b.readInt32(v));
    EXPECT_TRUE(b.failed());
}

TEST(Archive, ShortBlockReadsWhatIsThereAndZeroFillsWithoutFailing) {
    Archive a = Archive::forLoading({9, 8, 7});
    uint8_t block[6] = {1, 1, 1, 1, 1, 1};
    a.readBlock(block, sizeof block);
    EXPECT_FALSE(a.failed());
    const uint8_t expected[6] = {9, 8, 7, 0, 0, 0};
    EXPECT_TRUE(std::equal(block, block + 6, expected));
    int32_t v = 0;
    EXPECT_FALSE(a.readInt32(v));
}
