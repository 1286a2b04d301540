// GetPictureInfo and GetPicture through the DLL: records, DIB blocks, file input, failures.
#include "MagEncoder.h"
#include "SusieFilter.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Picture {
    int result = 0;
    std::vector<uint8_t> info;
    std::vector<uint8_t> bits;
    std::vector<int> steps;
};

int CALLBACK RecordStep(int num, int denom, LONG_PTR data)
{
    reinterpret_cast<Picture*>(data)->steps.push_back(num * 10 + denom);
    return 1;  // a request to abort, which the filter ignores
}

class ImgFiltPicture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(filter.Loaded()); }

    Picture Get(LPCSTR source, LONG_PTR lengthOrOffset, unsigned flag)
    {
        Picture p;
        HANDLE info = INVALID_HANDLE_VALUE, bits = INVALID_HANDLE_VALUE;
        p.result = filter.getPicture(source, lengthOrOffset, flag, &info, &bits, RecordStep,
                                     reinterpret_cast<LONG_PTR>(&p));
        if (p.result == 0) {
            EXPECT_NE(info, LocalLock(info)) << "the info block is movable";
            LocalUnlock(info);
            p.info = TakeLocalBlock(info);
            p.bits = TakeLocalBlock(bits);
        } else {
            EXPECT_EQ(nullptr, info);
            EXPECT_EQ(nullptr, bits);
        }
        return p;
    }

    Picture FromMemory(const std::vector<uint8_t>& mag)
    {
        return Get(reinterpret_cast<LPCSTR>(mag.data()), static_cast<LONG_PTR>(mag.size()), 1);
    }

    SusieFilter filter;
};

BITMAPINFOHEADER HeaderOf(const Picture& p)
{
    BITMAPINFOHEADER h;
    std::memcpy(&h, p.info.data(), sizeof h);
    return h;
}

// Checks the DIB against the encoder's picture: palette order, bottom-up rows, doubling.
void ExpectDibOf(const MagImage& image, const Picture& p)
{
    ASSERT_EQ(0, p.result);
    const size_t colours = size_t{1} << image.BitsPerPixel();
    const uint32_t stride = image.Stride(), lines = image.Lines();
    const uint32_t repeat = (image.screenMode & 1) ? 2 : 1;
    ASSERT_EQ(40 + 4 * colours, p.info.size());
    const BITMAPINFOHEADER h = HeaderOf(p);
    EXPECT_EQ(40u, h.biSize);
    EXPECT_EQ(static_cast<LONG>(stride * 8 / static_cast<uint32_t>(image.BitsPerPixel())), h.biWidth);
    EXPECT_EQ(static_cast<LONG>(lines * repeat), h.biHeight);
    EXPECT_EQ(1, h.biPlanes);
    EXPECT_EQ(image.BitsPerPixel(), h.biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), h.biCompression);
    EXPECT_EQ(stride * lines * repeat + 4, h.biSizeImage);
    EXPECT_EQ(0, h.biXPelsPerMeter);
    EXPECT_EQ(0u, h.biClrUsed);
    for (size_t i = 0; i < colours; ++i) {
        const uint8_t* rgb = &image.rgb[3 * i];
        EXPECT_EQ((std::vector<uint8_t>{rgb[2], rgb[1], rgb[0], 0}),
                  std::vector<uint8_t>(&p.info[40 + 4 * i], &p.info[44 + 4 * i]));
    }
    ASSERT_EQ(size_t{stride} * lines * repeat + 4, p.bits.size());
    for (uint32_t y = 0; y < lines; ++y) {
        for (uint32_t r = 0; r < repeat; ++r) {
            const size_t row = (size_t{lines} - 1 - y) * repeat + r;
            ASSERT_EQ(0, std::memcmp(&image.pixels[size_t{y} * stride], &p.bits[row * stride], stride))
                << "line " << y;
        }
    }
}

TEST_F(ImgFiltPicture, DecodesSixteenAndTwoHundredFiftySixColoursFromMemory)
{
    for (uint8_t mode : {0x00, 0x80, 0x01, 0x81}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const MagImage image = MakeTestImage(mode, 5, 10, 333, 209, mode);
        const Picture p = FromMemory(EncodeMag(image, CopyPolicy::Rotate).bytes);
        ExpectDibOf(image, p);
        EXPECT_EQ((std::vector<int>{4, 14, 24, 34, 44}), p.steps);
    }
}

TEST_F(ImgFiltPicture, ReadsFilesFromAnOffsetAcrossTheReadBuffer)
{
    // Noise makes the picture far larger than the 16384-byte read buffer.
    MagImage image = MakeTestImage(0x80, 0, 0, 639, 99, 5);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = static_cast<uint8_t>(i * 2654435761u >> 13);
    const std::vector<uint8_t> mag = EncodeMag(image, CopyPolicy::First).bytes;
    std::vector<uint8_t> file(1000 + mag.size(), 'z');
    std::copy(mag.begin(), mag.end(), file.begin() + 1000);
    TempFile temp(file);
    ExpectDibOf(image, Get(temp.Path(), 1000, 0));

    SusiePictureInfo record{};
    ASSERT_EQ(0, filter.getPictureInfo(temp.Path(), 1000, 0, &record));
    EXPECT_EQ(640, record.width);
    LocalFree(record.text);
    EXPECT_EQ(2, Get(temp.Path(), 999, 0).result);
    EXPECT_EQ(6, Get(temp.Path(), static_cast<LONG_PTR>(file.size()), 0).result);
    EXPECT_EQ(6, Get("Z:\\no\\such\\picture.mag", 0, 0).result);
}

TEST_F(ImgFiltPicture, PictureInfoReportsTheAlignedRectangleAndTheText)
{
    MagImage image = MakeTestImage(0x01, 3, 7, 12, 206, 2);
    image.text = "PC98 \x95\x5C user";  // a Shift-JIS trail byte 0x5C stays as it is
    const std::vector<uint8_t> mag = EncodeMag(image, CopyPolicy::First).bytes;
    SusiePictureInfo record{};
    ASSERT_EQ(0, filter.getPictureInfo(reinterpret_cast<LPCSTR>(mag.data()),
                                       static_cast<LONG_PTR>(mag.size()), 1, &record));
    EXPECT_EQ(0, record.left);
    EXPECT_EQ(7, record.top);
    EXPECT_EQ(16, record.width);
    EXPECT_EQ(200, record.height);
    EXPECT_EQ(1, record.xDensity);
    EXPECT_EQ(1, record.yDensity);
    EXPECT_EQ(4, record.colorDepth);
    ASSERT_NE(nullptr, record.text);
    const std::vector<uint8_t> text = TakeLocalBlock(record.text);
    EXPECT_EQ(image.text, std::string(reinterpret_cast<const char*>(text.data())));
    EXPECT_EQ(image.text.size() + 1, text.size());

    image.text.clear();
    const std::vector<uint8_t> plain = EncodeMag(image, CopyPolicy::First).bytes;
    ASSERT_EQ(0, filter.getPictureInfo(reinterpret_cast<LPCSTR>(plain.data()),
                                       static_cast<LONG_PTR>(plain.size()), 1, &record));
    EXPECT_EQ(nullptr, record.text);
    EXPECT_EQ(2, filter.getPictureInfo("MAKI03  ", 8, 1, &record));
    EXPECT_EQ(6, filter.getPictureInfo(reinterpret_cast<LPCSTR>(plain.data()), 40, 1, &record));
}

// Sets x1 and y1 of an encoded picture's header and its screen mode.
std::vector<uint8_t> WithCorner(const MagEncoded& enc, uint8_t mode, uint16_t x1, uint16_t y1)
{
    std::vector<uint8_t> mag = enc.bytes;
    const size_t base = enc.headerBase;
    mag[base + 3] = mode;
    const uint8_t corner[] = {uint8_t(x1), uint8_t(x1 >> 8), uint8_t(y1), uint8_t(y1 >> 8)};
    std::copy(corner, corner + 4, mag.begin() + static_cast<ptrdiff_t>(base + 8));
    return mag;
}

TEST_F(ImgFiltPicture, AbsurdSizesAndMissingInputEndInResultCodes)
{
    const MagEncoded enc = EncodeMag(MakeTestImage(0x80, 0, 0, 63, 31, 9), CopyPolicy::First);
    // A 94-byte file declaring 65536 x 65535 pixels at 16 colours: a 2 GiB block.
    MagImage declared;
    declared.x1 = 0xFFFF;
    declared.y1 = 0xFFFE;
    declared.rgb.assign(48, 0x80);
    const std::vector<uint8_t> tiny = AssembleMag(declared, {{0x80}, {0x11, 0x22}, {0x12, 0x34}}).bytes;
    ASSERT_EQ(94u, tiny.size());
    EXPECT_EQ(4, FromMemory(tiny).result);
    SusiePictureInfo record{};
    ASSERT_EQ(0, filter.getPictureInfo(reinterpret_cast<LPCSTR>(tiny.data()), 94, 1, &record));
    EXPECT_EQ(65536, record.width);  // the header itself is reported as it stands
    // Over the limit of 8192 x 8192 output pixels by one line, also by doubling.
    EXPECT_EQ(4, FromMemory(WithCorner(enc, 0x80, 8191, 8192)).result);
    EXPECT_EQ(4, FromMemory(WithCorner(enc, 0x81, 8191, 4096)).result);
    EXPECT_EQ(4, FromMemory(WithCorner(enc, 0x80, 0xFFFF, 0x7FFF)).result);
    // At the limit the picture decodes, its missing streams as zeros.
    const Picture atLimit = FromMemory(WithCorner(enc, 0x00, 8191, 8191));
    EXPECT_EQ(0, atLimit.result);
    EXPECT_EQ(size_t{4096} * 8192 + 4, atLimit.bits.size());

    EXPECT_EQ(6, FromMemory({}).result);
    EXPECT_EQ(6, Get(nullptr, 100, 1).result);
    EXPECT_EQ(6, FromMemory(std::vector<uint8_t>(enc.bytes.begin(), enc.bytes.begin() + static_cast<ptrdiff_t>(enc.headerBase + 100))).result);
}

}  // namespace
