// The filter's description strings, signature check and the calls it refuses.
#include "MagEncoder.h"
#include "SusieFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ImgFiltExports : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(filter.Loaded()); }

    std::string Info(int n, int length = 256)
    {
        std::string buffer(static_cast<size_t>(length), '#');
        const int copied = filter.getPluginInfo(n, &buffer[0], length);
        EXPECT_TRUE(copied == 0 || buffer[static_cast<size_t>(copied)] == '\0') << "terminated";
        return buffer.substr(0, static_cast<size_t>(copied));
    }

    SusieFilter filter;
};

TEST_F(ImgFiltExports, PluginInfoStringsAreTruncatedAndTerminated)
{
    EXPECT_EQ("00IN", Info(0));
    EXPECT_EQ(0u, Info(1).find("MAG to DIB filter ver0.08"));
    EXPECT_EQ("*.mag", Info(2));
    EXPECT_EQ("MAG(4,8bit)", Info(3));
    EXPECT_EQ("MAG(", Info(3, 5));
    EXPECT_EQ("", Info(0, 1));
    EXPECT_EQ("", Info(4));
    EXPECT_EQ("", Info(-1));
    char buffer[8];
    EXPECT_EQ(0, filter.getPluginInfo(0, nullptr, 8));
    EXPECT_EQ(0, filter.getPluginInfo(0, buffer, 0));
}

TEST_F(ImgFiltExports, IsSupportedComparesTheSignatureInMemoryAndFromAFileHandle)
{
    char head[2048] = "MAKI02  PC98 user";
    EXPECT_EQ(1, filter.isSupported("x.mag", head));
    head[6] = '_';
    EXPECT_EQ(0, filter.isSupported("x.mag", head));

    const std::string contents = "junkMAKI02  ";
    TempFile temp(std::vector<uint8_t>(contents.begin(), contents.end()));
    HANDLE h = CreateFileA(temp.Path(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    EXPECT_EQ(0, filter.isSupported(temp.Path(), h));  // reads "junkMAKI"
    SetFilePointer(h, 4, nullptr, FILE_BEGIN);
    EXPECT_EQ(1, filter.isSupported(temp.Path(), h));
    EXPECT_EQ(0, filter.isSupported(temp.Path(), h));  // at the end: nothing to read
    CloseHandle(h);
}

TEST_F(ImgFiltExports, PreviewAndUnknownInputKindsAreNotImplemented)
{
    const std::vector<uint8_t> mag = EncodeMag(MakeTestImage(0, 0, 0, 15, 3, 1), CopyPolicy::First).bytes;
    const LPCSTR data = reinterpret_cast<LPCSTR>(mag.data());
    const LONG_PTR size = static_cast<LONG_PTR>(mag.size());
    HANDLE info = nullptr, bits = nullptr;
    EXPECT_EQ(-1, filter.getPreview(data, size, 1, &info, &bits, nullptr, 0));
    SusiePictureInfo record{};
    for (unsigned flag : {2u, 3u, 7u}) {
        EXPECT_EQ(-1, filter.getPictureInfo(data, size, flag, &record)) << flag;
        EXPECT_EQ(-1, filter.getPicture(data, size, flag, &info, &bits, nullptr, 0)) << flag;
    }
    // Only bits 0 to 2 choose the input kind.
    ASSERT_EQ(0, filter.getPicture(data, size, 0x101, &info, &bits, nullptr, 0));
    TakeLocalBlock(info);
    TakeLocalBlock(bits);
}

}  // namespace
