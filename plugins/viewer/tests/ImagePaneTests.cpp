// ImagePane through its exports, called as the library calls them: the record, decoding
// through the filter beside the program, unscaled painting, notices, and failures.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "Canvas.h"
#include "KVViewerPlugin.h"
#include "MagEncoder.h"
#include "PaneRecord.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// ImagePane.dll from the test's own folder, where the build puts it (and Susie\imgfilt.spi).
class ImagePane : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::strcpy(std::strrchr(path, '\\') + 1, "ImagePane.dll");
    module_ = LoadLibraryA(path);
    ASSERT_NE(nullptr, module_);
    create = Entry<KVViewerCreate>("Create");
    paint = Entry<KVViewerPaint>("OnPaint");
    notPaint = Entry<KVViewerNotice>("OnNotPaint");
    destroy = Entry<KVViewerNotice>("Destroy");
    ASSERT_TRUE(create && paint && notPaint && destroy);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    file_ = std::string(temp) + "pane test.mag";
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
    DeleteFileA(file_.c_str());
  }
  template <typename Function>
  Function Entry(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  void WriteFile(const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileA(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  KVViewerInstance Create() { return create(nullptr, RECT{0, 0, 10, 10}, file_.c_str()); }
  static PaneRecord* Record(KVViewerInstance instance) {
    return reinterpret_cast<PaneRecord*>(instance);
  }

  HMODULE module_ = nullptr;
  std::string file_;
  KVViewerCreate create = nullptr;
  KVViewerPaint paint = nullptr;
  KVViewerNotice notPaint = nullptr;
  KVViewerNotice destroy = nullptr;
};

// 64 × 40 pixels in 256 colours: one byte per pixel, rows top first.
MagImage Picture() { return MakeTestImage(0x80, 0, 0, 63, 39, 7); }

COLORREF ColourAt(const MagImage& image, int px, int py) {
  const uint8_t* rgb = &image.rgb[3 * image.pixels[py * image.Stride() + px]];
  return RGB(rgb[0], rgb[1], rgb[2]);
}

// Counts the pixels of a canvas rectangle that differ from the picture placed at (left, top)
// and showing its rows from firstRow on.
int Mismatches(const Canvas& canvas, const MagImage& image, int left, int top, int width,
               int height, int firstRow = 0) {
  int wrong = 0;
  for (int py = 0; py < height; ++py)
    for (int px = 0; px < width; ++px)
      if (canvas.Pixel(left + px, top + py) != ColourAt(image, px, firstRow + py)) ++wrong;
  return wrong;
}

}  // namespace

TEST_F(ImagePane, ExportsTheViewerEntryPointsAndCopiesThePath) {
  EXPECT_EQ(GetProcAddress(module_, "OnHScroll"), GetProcAddress(module_, "OnVScroll"));
  EXPECT_EQ(0, Entry<KVViewerMove>("OnMove")(nullptr, 1, 2, 3, 4, 5));
  EXPECT_EQ(0, Entry<KVViewerScroll>("OnVScroll")(nullptr, 1, 2, 3));
  KVViewerInstance instance = Create();
  ASSERT_NE(0, instance);
  EXPECT_EQ(file_, Record(instance)->szFile);
  EXPECT_EQ(nullptr, Record(instance)->hInfo);
  EXPECT_EQ(nullptr, Record(instance)->hBits);
  EXPECT_EQ(0, destroy(nullptr, instance));
  // A path that would not fit the record is refused rather than cut to another name.
  EXPECT_EQ(0, create(nullptr, RECT{}, std::string(260, 'a').c_str()));
}

TEST_F(ImagePane, PaintsUnscaledFromTheLowerLeftAndDecodesAgainAfterANotice) {
  const MagImage image = Picture();
  WriteFile(EncodeMag(image, CopyPolicy::Rotate).bytes);
  KVViewerInstance first = Create(), second = Create();
  Canvas large(200, 100);
  paint(nullptr, first, large.Dc(), RECT{10, 5, 110, 65});
  EXPECT_EQ(0, Mismatches(large, image, 11, 6, 64, 40));
  EXPECT_EQ(kWhite, large.Pixel(11 + 64, 6));  // never stretched to the area
  EXPECT_EQ(kWhite, large.Pixel(11, 6 + 40));
  EXPECT_NE(nullptr, Record(first)->hInfo);
  EXPECT_NE(nullptr, Record(first)->hBits);
  EXPECT_EQ(nullptr, Record(second)->hInfo);  // each instance decodes for itself

  notPaint(nullptr, first);
  EXPECT_EQ(nullptr, Record(first)->hInfo);
  EXPECT_EQ(nullptr, Record(first)->hBits);
  // An area smaller than the picture shows its lower-left part.
  Canvas small(60, 40);
  paint(nullptr, first, small.Dc(), RECT{0, 0, 30, 20});
  EXPECT_EQ(0, Mismatches(small, image, 1, 1, 30, 20, 20));
  EXPECT_EQ(kWhite, small.Pixel(32, 1));
  destroy(nullptr, first);
  destroy(nullptr, second);
}

TEST_F(ImagePane, AFailedDecodeIsRememberedUntilTheInstanceIsMadeAgain) {
  WriteFile(std::vector<uint8_t>(300, 'x'));
  KVViewerInstance instance = Create();
  Canvas canvas(100, 60);
  paint(nullptr, instance, canvas.Dc(), RECT{0, 0, 100, 60});
  EXPECT_EQ(kDecodeFailed, Record(instance)->hInfo);

  const MagImage image = Picture();
  WriteFile(EncodeMag(image, CopyPolicy::First).bytes);
  notPaint(nullptr, instance);
  paint(nullptr, instance, canvas.Dc(), RECT{0, 0, 100, 60});
  EXPECT_EQ(kWhite, canvas.Pixel(1, 1)) << "the broken file was decoded again";
  destroy(nullptr, instance);

  instance = Create();
  paint(nullptr, instance, canvas.Dc(), RECT{0, 0, 100, 60});
  EXPECT_EQ(0, Mismatches(canvas, image, 1, 1, 64, 40));
  destroy(nullptr, instance);
}
