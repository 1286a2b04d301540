// The reader across source windows, seeks and the end of the data.
#include "MagTestSupport.h"

#include "core/MagReader.h"

#include <gtest/gtest.h>

namespace {

TEST(MagReader, ReadsFieldsAcrossWindowsAndSeeksBack)
{
    const std::vector<uint8_t> data{1, 2, 3, 4, 5, 6, 7, 8, 9};
    ChunkSource source(data, 3);
    MagReader in(source);
    in.Seek(1);
    EXPECT_EQ(0x05040302u, in.U32());
    EXPECT_EQ(0x0706, in.U16());
    in.Seek(0);
    EXPECT_EQ(1, in.Byte());
    in.Seek(8);
    uint8_t pair[2];
    in.Pair(pair);
    EXPECT_EQ(9, pair[0]);
    EXPECT_EQ(0, pair[1]);
    EXPECT_TRUE(in.Failed());
}

TEST(MagReader, PastTheEndYieldsZerosAndASeekBackReadsAgain)
{
    const std::vector<uint8_t> data{0xAB, 0xCD};
    ChunkSource source(data, 16384);
    MagReader in(source);
    in.Seek(5);
    EXPECT_EQ(0u, in.U32());
    EXPECT_TRUE(in.Failed());
    in.Seek(1);
    EXPECT_EQ(0xCD, in.Byte());
    EXPECT_EQ(0, in.Byte());
}

}  // namespace
