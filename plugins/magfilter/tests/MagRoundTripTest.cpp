// Encoder pictures decoded by the core must come back byte for byte.
#include "MagTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct RoundTripCase {
    const char* name;
    uint8_t screenMode;
    uint16_t x0, y0, x1, y1;
    CopyPolicy policy;
    size_t chunk;  // source window size, 0 = whole block
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class MagRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(MagRoundTrip, DecodesTheEncodedPicture)
{
    const RoundTripCase& c = GetParam();
    const MagImage image = MakeTestImage(c.screenMode, c.x0, c.y0, c.x1, c.y1, 7);
    const MagEncoded enc = EncodeMag(image, c.policy);
    const DecodedMag d = DecodeWithCore(enc.bytes, c.chunk);
    ASSERT_EQ(kMagOk, d.result);
    ASSERT_EQ(image.Lines(), static_cast<uint32_t>(d.pic.lines));
    ASSERT_EQ(image.Stride(), d.pic.stride);

    for (uint32_t y = 0; y < image.Lines(); ++y) {
        const auto first = image.pixels.begin() + static_cast<ptrdiff_t>(size_t{y} * image.Stride());
        const std::vector<uint8_t> expected(first, first + image.Stride());
        ASSERT_EQ(expected, DecodedLine(d, y)) << "line " << y;
        if (d.pic.doubled) {
            ASSERT_EQ(expected, DecodedLine(d, y, true)) << "second row of line " << y;
        }
    }
    EXPECT_EQ(std::vector<uint8_t>(4, 0), std::vector<uint8_t>(d.block.end() - 4, d.block.end()));
    for (int i = 0; i < d.pic.Colours(); ++i) {
        const uint8_t* rgb = &image.rgb[3 * static_cast<size_t>(i)];
        const uint8_t* quad = &d.palette[4 * static_cast<size_t>(i)];
        EXPECT_EQ((std::vector<uint8_t>{rgb[2], rgb[1], rgb[0], 0}), std::vector<uint8_t>(quad, quad + 4));
    }
    if (c.policy == CopyPolicy::Rotate) {
        for (int k = 0; k < 16; ++k)
            EXPECT_GT(enc.nibbleUse[k], 0u) << "nibble " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, MagRoundTrip,
    ::testing::Values(
        RoundTripCase{"16c_640x400_copies", 0x00, 0, 0, 639, 399, CopyPolicy::First, 0},
        RoundTripCase{"256c_640x400_copies", 0x80, 0, 0, 639, 399, CopyPolicy::First, 0},
        RoundTripCase{"16c_no_copies", 0x00, 0, 0, 119, 37, CopyPolicy::None, 0},
        RoundTripCase{"256c_no_copies", 0x80, 0, 0, 119, 37, CopyPolicy::None, 0},
        RoundTripCase{"16c_every_nibble", 0x00, 0, 0, 255, 63, CopyPolicy::Rotate, 0},
        RoundTripCase{"256c_every_nibble", 0x80, 0, 0, 127, 63, CopyPolicy::Rotate, 0},
        RoundTripCase{"16c_unaligned_x", 0x00, 13, 5, 98, 44, CopyPolicy::Rotate, 0},
        RoundTripCase{"256c_unaligned_x", 0x80, 6, 5, 101, 44, CopyPolicy::Rotate, 0},
        RoundTripCase{"16c_one_unit_wide", 0x00, 3, 0, 5, 40, CopyPolicy::Rotate, 0},
        RoundTripCase{"256c_one_unit_wide", 0x80, 1, 0, 2, 40, CopyPolicy::Rotate, 0},
        RoundTripCase{"16c_200_lines", 0x01, 0, 0, 639, 199, CopyPolicy::Rotate, 0},
        RoundTripCase{"256c_200_lines", 0x81, 8, 0, 327, 199, CopyPolicy::First, 0},
        RoundTripCase{"16c_small_windows", 0x00, 0, 0, 199, 49, CopyPolicy::First, 7},
        RoundTripCase{"256c_file_buffer_windows", 0x80, 0, 0, 399, 99, CopyPolicy::Rotate, 16384}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

}  // namespace
