// Header search, geometry derivation and the header's failure codes.
#include "MagTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

MagResult ParseOnly(const std::vector<uint8_t>& file, MagPicture& pic, MagText* text = nullptr)
{
    MemorySource source(file.data(), file.size());
    MagReader in(source);
    return ParseMagHeader(in, pic, text);
}

std::vector<uint8_t> Encoded(uint8_t mode, uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1)
{
    return EncodeMag(MakeTestImage(mode, x0, y0, x1, y1, 1), CopyPolicy::First).bytes;
}

TEST(MagHeader, AlignsLeftAndWidthToTheFlagUnit)
{
    MagPicture pic;
    ASSERT_EQ(kMagOk, ParseOnly(Encoded(0x00, 3, 2, 12, 9), pic));
    EXPECT_EQ(0, pic.left);
    EXPECT_EQ(16, pic.width);
    EXPECT_EQ(8u, pic.stride);
    EXPECT_EQ(2, pic.top);
    EXPECT_EQ(8, pic.lines);
    EXPECT_EQ(4, pic.bitsPerPixel);

    ASSERT_EQ(kMagOk, ParseOnly(Encoded(0x80, 3, 2, 12, 9), pic));
    EXPECT_EQ(0, pic.left);
    EXPECT_EQ(16, pic.width);
    EXPECT_EQ(16u, pic.stride);
    EXPECT_EQ(8, pic.bitsPerPixel);

    ASSERT_EQ(kMagOk, ParseOnly(Encoded(0x80, 13, 0, 21, 0), pic));
    EXPECT_EQ(12, pic.left);
    EXPECT_EQ(12, pic.width);
    EXPECT_EQ(3u, pic.units);
}

TEST(MagHeader, TwoHundredLineModeDoublesOnlyTheOutputRows)
{
    MagPicture pic;
    ASSERT_EQ(kMagOk, ParseOnly(Encoded(0x01, 0, 0, 639, 199), pic));
    EXPECT_EQ(200, pic.lines);
    EXPECT_TRUE(pic.doubled);
    EXPECT_EQ(400u, pic.RowsOut());
    EXPECT_EQ(320u * 400 + 4, pic.PixelBlockSize());
}

TEST(MagHeader, CollectsTheFreeTextUpToTheCapacityAndSkipsTheRest)
{
    MagImage image = MakeTestImage(0x00, 0, 0, 15, 3, 2);
    image.text = std::string(40, 'x') + "END";
    image.beforeHeader = "\x01\x02 any bytes";
    const std::vector<uint8_t> file = EncodeMag(image, CopyPolicy::First).bytes;
    char buffer[32];
    MagText text{buffer, sizeof buffer};
    MagPicture pic;
    ASSERT_EQ(kMagOk, ParseOnly(file, pic, &text));
    EXPECT_EQ(std::string(32, 'x'), std::string(buffer, text.length));
    // Offsets count from the header's 0x00, wherever the text ended.
    const DecodedMag d = DecodeWithCore(file);
    ASSERT_EQ(kMagOk, d.result);
    EXPECT_EQ(std::vector<uint8_t>(image.pixels.begin(), image.pixels.begin() + 8), DecodedLine(d, 0));
}

TEST(MagHeader, RejectsWhatIsNotMagAndReportsMissingBytesAsReadErrors)
{
    const std::vector<uint8_t> good = Encoded(0x00, 0, 0, 15, 3);
    MagPicture pic;
    std::vector<uint8_t> bad = good;
    bad[6] = '3';  // seventh byte
    EXPECT_EQ(kMagNotMag, ParseOnly(bad, pic));
    bad = good;
    bad[0] = 'm';
    EXPECT_EQ(kMagNotMag, ParseOnly(bad, pic));
    EXPECT_EQ(kMagReadError, ParseOnly(Bytes("MAK"), pic));
    EXPECT_EQ(kMagReadError, ParseOnly(Bytes("MAKI02 "), pic));
    EXPECT_EQ(kMagReadError, ParseOnly(Bytes("MAKI02  no end of text at all"), pic));
    EXPECT_EQ(kMagReadError, ParseOnly(Bytes("MAKI02  text\x1A no header start"), pic));

    const size_t base = EncodeMag(MakeTestImage(0x00, 0, 0, 15, 3, 1), CopyPolicy::First).headerBase;
    for (size_t cut = base + 1; cut < base + 32; ++cut)
        EXPECT_EQ(kMagReadError, ParseOnly(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<ptrdiff_t>(cut)), pic)) << cut;
    const std::vector<uint8_t> noPalette(good.begin(), good.begin() + static_cast<ptrdiff_t>(base + 32 + 47));
    EXPECT_EQ(kMagReadError, DecodeWithCore(noPalette).result);
}

TEST(MagHeader, RejectsInvertedGeometryButKeepsXWithinOneUnit)
{
    MagPicture pic;
    EXPECT_EQ(kMagNotMag, ParseOnly(HandBuiltMag(0x00, 16, 0, 8, 3, {}, {}, {}), pic));
    EXPECT_EQ(kMagNotMag, ParseOnly(HandBuiltMag(0x80, 8, 0, 4, 3, {}, {}, {}), pic));
    EXPECT_EQ(kMagNotMag, ParseOnly(HandBuiltMag(0x00, 0, 5, 7, 4, {}, {}, {}), pic));
    // x1 < x0 inside one 8-pixel unit still aligns to a valid 8-pixel picture.
    ASSERT_EQ(kMagOk, ParseOnly(HandBuiltMag(0x00, 6, 0, 2, 0, {}, {}, {}), pic));
    EXPECT_EQ(8, pic.width);
}

TEST(MagHeader, LargestGeometryIsSizedWithoutWrapping)
{
    MagPicture pic;
    ASSERT_EQ(kMagOk, ParseOnly(HandBuiltMag(0x81, 0, 0, 0xFFFF, 0xFFFF, {}, {}, {}), pic));
    EXPECT_EQ(65536, pic.width);
    EXPECT_EQ(65536, pic.lines);
    EXPECT_EQ(uint64_t{65536} * 131072 + 4, pic.PixelBlockSize());
}

}  // namespace
