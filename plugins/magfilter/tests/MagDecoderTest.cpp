// Flag and pixel streams built by hand: copies, stream ends and copy sources off the picture.
#include "MagTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Line = std::vector<uint8_t>;

DecodedMag Decode(uint8_t mode, uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1,
                  const Line& flagA, const Line& flagB, const Line& pixels)
{
    return DecodeWithCore(HandBuiltMag(mode, x0, y0, x1, y1, flagA, flagB, pixels));
}

void PutU32(Line& file, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

TEST(MagDecoder, FlagByteOneCopiesTheFirstHalfAndNibbleFourOnTheFirstLineIsZero)
{
    // 16 colours, 16 pixels: two units on one line.
    const DecodedMag d = Decode(0x00, 0, 0, 15, 0, {0xC0}, {0x01, 0x40},
                                      {0x12, 0x34, 0x56, 0x78});
    ASSERT_EQ(kMagOk, d.result);
    EXPECT_EQ((Line{0x12, 0x34, 0x12, 0x34, 0x00, 0x00, 0x56, 0x78}), DecodedLine(d, 0));
}

TEST(MagDecoder, FlagBitsRunOnAcrossLinesAndRowsXorWithTheLineAbove)
{
    // One unit per line: flag A bits 1,0,1 for three lines; line 1 inherits 0x10 from
    // line 0 and line 2 becomes 0x01 ^ 0x10. A source left of a line's first byte is the
    // end of the line above, and before the first line it is 0.
    const DecodedMag d = Decode(0x00, 0, 0, 7, 2, {0xA0}, {0x10, 0x01},
                                      {0xAA, 0xBB, 0xCC, 0xDD});
    ASSERT_EQ(kMagOk, d.result);
    EXPECT_EQ((Line{0x00, 0x00, 0xAA, 0xBB}), DecodedLine(d, 0));
    EXPECT_EQ((Line{0xAA, 0xBB, 0xCC, 0xDD}), DecodedLine(d, 1));
    EXPECT_EQ((Line{0xCC, 0xDD, 0xCC, 0xDD}), DecodedLine(d, 2));
}

TEST(MagDecoder, CopiesFarLeftOfNarrowLinesReachSeveralLinesUp)
{
    // 4-byte lines: nibble 3 (8 bytes left) from line 2 is line 0 in the linear sequence;
    // nibble 11 (4 left, 4 up) from line 2 lies before the picture.
    const DecodedMag d = Decode(0x80, 0, 0, 3, 2, {0x20}, {0x3B},
                                      {1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_EQ(kMagOk, d.result);
    EXPECT_EQ((Line{1, 2, 3, 4}), DecodedLine(d, 0));
    EXPECT_EQ((Line{5, 6, 7, 8}), DecodedLine(d, 1));
    EXPECT_EQ((Line{1, 2, 0, 0}), DecodedLine(d, 2));
}

TEST(MagDecoder, TwoHundredLineModeWritesBothRowsAndCountsCopiesInPictureLines)
{
    // Line 1 copies line 0 (nibble 4) into both of its output rows.
    const DecodedMag d = Decode(0x01, 0, 0, 7, 1, {0x40}, {0x44}, {9, 8, 7, 6});
    ASSERT_EQ(kMagOk, d.result);
    ASSERT_EQ(4u * 4 + 4, d.block.size());
    for (uint32_t line : {0u, 1u}) {
        EXPECT_EQ((Line{9, 8, 7, 6}), DecodedLine(d, line));
        EXPECT_EQ((Line{9, 8, 7, 6}), DecodedLine(d, line, true));
    }
}

TEST(MagDecoder, TruncatedStreamsDecodeAsZero)
{
    // Pixel data ends after 3 of the 8 bytes the two units need.
    DecodedMag d = Decode(0x00, 0, 0, 15, 0, {0x00}, {}, {1, 2, 3});
    ASSERT_EQ(kMagOk, d.result);
    EXPECT_EQ((Line{1, 2, 3, 0, 0, 0, 0, 0}), DecodedLine(d, 0));

    // Flag A marks every unit but flag B lies past the end: the flags read as zero.
    Line file = HandBuiltMag(0x00, 0, 0, 15, 1, {0xF0}, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    PutU32(file, kHandBuiltHeaderBase + 16, 0x10000);
    d = DecodeWithCore(file);
    ASSERT_EQ(kMagOk, d.result);
    EXPECT_EQ((Line{1, 2, 3, 4, 5, 6, 7, 8}), DecodedLine(d, 0));
    EXPECT_EQ((Line{9, 10, 0, 0, 0, 0, 0, 0}), DecodedLine(d, 1));
}

TEST(MagDecoder, StreamOffsetsOutsideTheDataReadAsZero)
{
    MagImage image = MakeTestImage(0x00, 0, 0, 31, 15, 3);
    MagEncoded enc = EncodeMag(image, CopyPolicy::First);
    // Flag A, flag B and pixel offsets far past the end and near the 32-bit limit.
    for (size_t field : {12u, 16u, 24u}) {
        std::vector<uint8_t> file = enc.bytes;
        PutU32(file, enc.headerBase + field, 0xFFFFFFFF);
        const DecodedMag d = DecodeWithCore(file);
        ASSERT_EQ(kMagOk, d.result) << field;
        ASSERT_EQ(d.pic.PixelBlockSize(), d.block.size());
        if (field == 24) {
            EXPECT_EQ(Line(d.block.size(), 0), d.block);
        }
    }
}

}  // namespace
