// Image links: BMP, GIF and JPEG files opened in place, fitted and centred; pictures let go
// when not drawn; a file that does not decode is not read again until the link reloads.
#include <gtest/gtest.h>
#include <windows.h>
#include <wincodec.h>

#include <vector>

#include "Canvas.h"
#include "DocSupport.h"
#include "KVDocBmap.h"
#include "KVFont.h"
#include "KVObjLink.h"
#include "KVPaintPass.h"
#include "PictureSupport.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// Quadrant pixels as 24-bit BGR, or as indexes into the quadrant palette.
std::vector<BYTE> QuadrantPixels(int width, int height, bool indexed) {
  const int bytes = indexed ? 1 : 3;
  std::vector<BYTE> pixels(width * height * bytes);
  for (int py = 0; py < height; ++py)
    for (int px = 0; px < width; ++px) {
      BYTE* p = &pixels[(py * width + px) * bytes];
      const COLORREF c = QuadrantColour(px, py, width, height);
      if (indexed)
        p[0] = static_cast<BYTE>((px >= width / 2 ? 1 : 0) + (py >= height / 2 ? 2 : 0));
      else
        p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
    }
  return pixels;
}

bool SetQuadrantPalette(IWICImagingFactory* factory, IWICBitmapFrameEncode* frame, int width,
                        int height) {
  WICColor colours[4];
  for (int i = 0; i < 4; ++i) {
    COLORREF c = QuadrantColour(i % 2 * width, i / 2 * height, width, height);
    colours[i] = 0xFF000000 | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
  }
  IWICPalette* palette = nullptr;
  bool ok = SUCCEEDED(factory->CreatePalette(&palette)) &&
            SUCCEEDED(palette->InitializeCustom(colours, 4)) && SUCCEEDED(frame->SetPalette(palette));
  if (palette) palette->Release();
  return ok;
}

// Encodes a quadrant picture with the platform's codecs: a picture file as another program
// would write it.
bool WritePicture(const GUID& container, const std::string& path, int width, int height) {
  IWICImagingFactory* factory = nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))))
    return false;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  IPropertyBag2* options = nullptr;
  std::wstring wide(path.begin(), path.end());
  const bool indexed = container == GUID_ContainerFormatGif;
  WICPixelFormatGUID format = indexed ? GUID_WICPixelFormat8bppIndexed : GUID_WICPixelFormat24bppBGR;
  std::vector<BYTE> pixels = QuadrantPixels(width, height, indexed);
  bool ok = SUCCEEDED(factory->CreateStream(&stream)) &&
            SUCCEEDED(stream->InitializeFromFilename(wide.c_str(), GENERIC_WRITE)) &&
            SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
            SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) &&
            SUCCEEDED(frame->Initialize(options)) && SUCCEEDED(frame->SetSize(width, height)) &&
            SUCCEEDED(frame->SetPixelFormat(&format)) &&
            (!indexed || SetQuadrantPalette(factory, frame, width, height)) &&
            SUCCEEDED(frame->WritePixels(height, static_cast<UINT>(pixels.size()) / height,
                                         static_cast<UINT>(pixels.size()), pixels.data())) &&
            SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  for (IUnknown* com : std::initializer_list<IUnknown*>{options, frame, encoder, stream, factory})
    if (com) com->Release();
  return ok;
}

class ImageLink : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    MakeConfigFolder();
    RemoveSettingsFile();
    // A child area of 120 × 120: the link is 4 wider and the caption row plus 2 taller.
    KVWriteProfileInt("LINK", "AutoOpenWidth", 120);
    KVWriteProfileInt("LINK", "AutoOpenHeight", 118);
  }
  void TearDown() override {
    RemoveSettingsFile();
    CoUninitialize();
  }
  static KVObjLink* LinkTo(const std::string& path) {
    KVFile file;
    file.Attach(path.c_str());
    return new KVObjLink(nullptr, file);
  }
  static void Draw(KVObject& object, Canvas& canvas) {
    KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
    object.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 400, 400), false);
  }
  static KVDocBmap* Picture(KVObjLink& link) { return dynamic_cast<KVDocBmap*>(link.m_pChild); }
};

// The quadrant colours in the middle of each quadrant of where, and background just outside
// its top and bottom.
void ExpectPictureAt(const Canvas& canvas, const RECT& where, int tolerance) {
  const int w = where.right - where.left, h = where.bottom - where.top;
  for (int q = 0; q < 4; ++q) {
    const int px = where.left + (q % 2 * 2 + 1) * w / 4, py = where.top + (q / 2 * 2 + 1) * h / 4;
    SCOPED_TRACE(testing::Message() << "quadrant " << q);
    EXPECT_EQ(0, Mismatches(canvas, RECT{px - 2, py - 2, px + 3, py + 3},
                            [&](int, int) { return QuadrantColour(q % 2 * w, q / 2 * h, w, h); },
                            tolerance));
  }
  EXPECT_EQ(kWhite, canvas.Pixel(where.left + w / 4, where.top - 2));
  EXPECT_EQ(kWhite, canvas.Pixel(where.left + w / 4, where.bottom + 1));
}

}  // namespace

TEST_F(ImageLink, BmpGifAndJpegOpenFittedAndCentred) {
  const struct {
    GUID container;
    const char* name;
    int tolerance;
  } kinds[] = {{GUID_ContainerFormatBmp, "picture.bmp", 0},
               {GUID_ContainerFormatGif, "picture.gif", 0},
               {GUID_ContainerFormatJpeg, "picture.jpg", 40}};
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.name);
    const std::string large = TestFolder() + "large " + kind.name;
    const std::string small = TestFolder() + "small " + kind.name;
    ASSERT_TRUE(WritePicture(kind.container, large, 200, 100));
    ASSERT_TRUE(WritePicture(kind.container, small, 80, 40));

    KVObjLink* link = LinkTo(large);
    ASSERT_EQ(FT_IMAGE, link->FileType());
    ASSERT_NE(nullptr, Picture(*link));  // opened at once, at the configured size
    const RECT area = link->m_rcChild;
    ASSERT_EQ(120, area.right - area.left);
    ASSERT_EQ(120, area.bottom - area.top);
    Canvas canvas(200, 200);
    Draw(*link, canvas);
    // 200 × 100 shrinks to 120 × 60, 30 rows below the area's top.
    ExpectPictureAt(canvas, RECT{area.left, area.top + 30, area.right, area.top + 90}, kind.tolerance);
    delete link;

    link = LinkTo(small);
    Canvas centred(200, 200);
    Draw(*link, centred);
    // 80 × 40 keeps its size in the middle.
    ExpectPictureAt(centred, RECT{area.left + 20, area.top + 40, area.left + 100, area.top + 80},
                    kind.tolerance);
    EXPECT_EQ(kWhite, centred.Pixel(area.left + 18, area.top + 60));
    EXPECT_EQ(kWhite, centred.Pixel(area.left + 101, area.top + 60));
    delete link;
  }
}

TEST_F(ImageLink, ThePictureGoesWhenNotDrawnAndAFailureStaysUntilReload) {
  const std::string path = TestFolder() + "later.jpg";
  WriteWholeFile(path, Bytes(500, 'j'));
  KVObjLink* link = LinkTo(path);
  ASSERT_NE(nullptr, Picture(*link));
  Canvas canvas(200, 200);
  Draw(*link, canvas);
  EXPECT_TRUE(Picture(*link)->DecodeFailed());
  EXPECT_EQ(nullptr, Picture(*link)->m_pPicture);

  ASSERT_TRUE(WritePicture(GUID_ContainerFormatJpeg, path, 80, 40));
  Draw(*link, canvas);
  EXPECT_EQ(nullptr, Picture(*link)->m_pPicture) << "the broken file was read again";

  link->ReloadLinkFile(nullptr);  // another window saved it, or the link opened again
  Draw(*link, canvas);
  ASSERT_NE(nullptr, Picture(*link)->m_pPicture);
  link->NoDraw();  // scrolled out of view
  EXPECT_EQ(nullptr, Picture(*link)->m_pPicture);
  Canvas again(200, 200);
  Draw(*link, again);
  EXPECT_NE(nullptr, Picture(*link)->m_pPicture);
  const RECT area = link->m_rcChild;
  ExpectPictureAt(again, RECT{area.left + 20, area.top + 40, area.left + 100, area.top + 80}, 40);
  delete link;
}
