// Bitmap objects: the segment in both layouts byte for byte, headers that lie, stretching
// and the properties, and drawing on the screen and at a printer's resolution.
#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include "Canvas.h"
#include "DocSupport.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "KVObjBmap.h"
#include "KVPaintPass.h"
#include "PictureSupport.h"

namespace {

int Read(KVObject& object, const Bytes& bytes, int version = 512) {
  return object.SetData(version, reinterpret_cast<SEG_HEAD*>(const_cast<char*>(bytes.data())),
                        static_cast<int>(bytes.size()));
}

Bytes Written(KVObject& object) {
  Bytes out(object.DataLength(), '\0');
  int written = 0;
  object.GetData(&out[0], static_cast<int>(out.size()), &written);
  EXPECT_EQ(static_cast<int>(out.size()), written);
  return out;
}

struct Fixture {
  int width, height, bits;
  Bytes pixels;
  int colours, bitsOffset, imageSize;
};

// 1 bit 1 × 1 (a row of 4), 8 bits 3 × 2 (rows of 6, of which 4 are pixels), 24 bits 3 × 2.
std::vector<Fixture> Fixtures() {
  return {{1, 1, 1, Bytes("\x80\0\0\0", 4), 2, 72, 4},
          {3, 2, 8, Bytes("\x01\x02\x03\0\0\0\x04\x05\x06\0\0\0", 12), 256, 1088, 12},
          {3, 2, 24, Bytes(24, '\x5A'), 0, 64, 24}};
}

// An 8-bit picture whose segment ends inside its palette, its length saying so.
Bytes PaletteCut() {
  Bytes bytes = BmapSegment(1, 0, 0, 2, 2, 2, 2, 8, Bytes(10, '\0')).substr(0, 70 + 1000);
  return bytes.replace(2, 4, U32(static_cast<unsigned>(bytes.size() - 6)));
}

// A 32-bit DIB on a memory DC made like another device, so it has that device's resolution.
class DeviceCanvas {
 public:
  DeviceCanvas(int width, int height, HDC like) : m_width(width), m_dc(CreateCompatibleDC(like)), cdc(m_dc) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
    m_old = SelectObject(m_dc, m_bitmap);
    PatBlt(m_dc, 0, 0, width, height, WHITENESS);
  }
  ~DeviceCanvas() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  COLORREF Pixel(int px, int py) const {
    GdiFlush();
    DWORD bgr = static_cast<DWORD*>(m_bits)[py * m_width + px];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  HDC Dc() const { return m_dc; }

 private:
  int m_width;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
  void* m_bits;

 public:
  CDC cdc;
};

template <typename CanvasT>
void Draw(KVObject& object, CanvasT& canvas, CPoint origin, bool selected = false) {
  KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
  object.Draw(pass.Info(), origin, CRect(0, 0, 4000, 4000), selected);
}

}  // namespace

TEST(BmapSegment, BothLayoutsReadAndWriteByteForByte) {
  for (const Fixture& f : Fixtures()) {
    SCOPED_TRACE(f.bits);
    Bytes current = BmapSegment(1, 7, 9, f.width, f.height, f.width, f.height, f.bits, f.pixels);
    KVObjBmap bitmap;
    ASSERT_EQ(static_cast<int>(current.size()), Read(bitmap, current));
    EXPECT_EQ(f.colours, bitmap.m_nColors);
    EXPECT_EQ(f.bitsOffset, bitmap.m_nBitsOffset);
    EXPECT_EQ(f.imageSize, bitmap.m_nImageSize);
    EXPECT_EQ(bitmap.m_pData + f.bitsOffset, bitmap.m_pBits);
    EXPECT_EQ(7, bitmap.x);
    EXPECT_EQ(9, bitmap.y);
    EXPECT_EQ(current, Written(bitmap));
    KVObjBmap copy(bitmap);
    EXPECT_NE(bitmap.m_pData, copy.m_pData);
    EXPECT_EQ(copy.m_pData + f.bitsOffset, copy.m_pBits);
    EXPECT_EQ(current, Written(copy));

    // Before version 256 there is no x and y; the object is written 8 bytes longer.
    Bytes old = BmapSegment(1, 0, 0, f.width, f.height, f.width, f.height, f.bits, f.pixels, true);
    KVObjBmap converted;
    ASSERT_EQ(static_cast<int>(old.size()), Read(converted, old, 255));
    EXPECT_EQ(BmapSegment(1, 0, 0, f.width, f.height, f.width, f.height, f.bits, f.pixels),
              Written(converted));
    EXPECT_EQ(0, converted.TextLength());
  }
}

TEST(BmapSegment, StretchKeepsTheStoredSizeAndPropertiesSnapBack) {
  const Fixture f = Fixtures()[2];
  KVObjBmap stretched;
  ASSERT_GT(Read(stretched, BmapSegment(BA_STRETCH | 1, 0, 0, 200, 50, 3, 2, 24, f.pixels)), 0);
  EXPECT_EQ(200, stretched.cx);
  EXPECT_EQ(50, stretched.cy);
  stretched.SetSize(CSize(300, 40));
  KVObjBmap reread;
  ASSERT_GT(Read(reread, Written(stretched)), 0);
  EXPECT_EQ(300, reread.cx);
  EXPECT_EQ(40, reread.cy);
  EXPECT_EQ(CSize(8, 8).cx, reread.MinSize().cx);

  KVObjBmap plain;  // a plain bitmap shows at its own size whatever was stored or asked
  ASSERT_GT(Read(plain, BmapSegment(1, 0, 0, 200, 50, 3, 2, 24, f.pixels)), 0);
  EXPECT_EQ(3, plain.cx);
  plain.SetSize(CSize(300, 40));
  EXPECT_EQ(2, plain.cy);

  // No dialog installed (the library's own is taken away): nothing changes. OK with
  // stretch off snaps back, all else cleared.
  reread.m_nAttr |= 0x100;
  KVSetImagePropertiesDialog(nullptr);
  EXPECT_EQ(0, reread.DoProperty());
  KVSetImagePropertiesDialog([](bool* frame, bool* stretch) {
    EXPECT_TRUE(*frame && *stretch);
    *stretch = false;
    return true;
  });
  EXPECT_EQ(1, reread.DoProperty());
  KVSetImagePropertiesDialog(nullptr);
  EXPECT_EQ(1u, reread.m_nAttr);
  EXPECT_EQ(3, reread.cx);
  EXPECT_EQ(2, reread.cy);
  EXPECT_TRUE(reread.m_bDerty);
}

TEST(BmapSegment, HeadersThatLieAreRefusedAndChangeNothing) {
  const Bytes pixels(24, '\x11');
  const Bytes good = BmapSegment(1, 0, 0, 3, 2, 3, 2, 24, pixels);
  auto patched = [&good](size_t at, const Bytes& value) {
    Bytes bytes = good;
    bytes.replace(at, value.size(), value);
    return bytes;
  };
  const size_t header = 26;  // the bitmap header's offset in the segment
  const Bytes hostile[] = {
      patched(header, U32(12)),                               // header size
      patched(header + 4, U32(0)),                            // width
      patched(header + 8, U32(static_cast<unsigned>(-2))),    // top-down height
      patched(header + 12, U16(2)),                           // planes
      patched(header + 14, U16(7)),                           // depth
      patched(header + 16, U32(1)),                           // compressed
      patched(header + 32, U32(5)),                           // a palette for 24 bits
      patched(header + 4, U32(0x7FFFFFFF) + U32(0x7FFFFFFF)), // image size past any length
      patched(header + 4, U32(4)),                            // rows longer than the data
      patched(2, U32(static_cast<unsigned>(good.size()))),    // length past the end
      good.substr(0, 40),                                     // cut inside the header
      PaletteCut(),
  };
  KVObjBmap bitmap;
  ASSERT_GT(Read(bitmap, good), 0);
  for (const Bytes& bytes : hostile) {
    SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 50)));
    EXPECT_LT(Read(bitmap, bytes), 0);
    EXPECT_EQ(good, Written(bitmap));
  }
  // Inside a memo, the damaged picture refuses the whole file and the document stays.
  KVDocText doc;
  doc.Insert(const_cast<char*>("kept"));
  Bytes memo = DocHead("") + PageSegment() + BoxHead(0, 0xFFFFFF, 400, 0) + "a" + hostile[4] +
               BoxTail() + "\xFF\xFF";
  EXPECT_LT(doc.SetData(0, reinterpret_cast<SEG_HEAD*>(&memo[0]), static_cast<int>(memo.size())), 0);
  EXPECT_EQ("kept", TextOf(doc));
  // A sound one reads as a bitmap object.
  memo = DocHead("") + PageSegment() + BoxHead(0, 0xFFFFFF, 400, 0) + good + BoxTail() + "\xFF\xFF";
  ASSERT_GT(doc.SetData(0, reinterpret_cast<SEG_HEAD*>(&memo[0]), static_cast<int>(memo.size())), 0);
  EXPECT_NE(nullptr, dynamic_cast<KVObjBmap*>(doc.Box()->m_list.pHead->pObj));
}

TEST(BmapDraw, OwnSizeInsideTheFrameStretchedAndSelected) {
  PatternBitmap source(20, 10, 24);
  KVObjBmap bitmap(source.Get());
  ASSERT_EQ(20, bitmap.cx);
  ASSERT_EQ(1u, bitmap.m_nAttr);  // "IMAGE"/"Attr" by default: a frame, no stretch
  Canvas canvas(80, 60);
  Draw(bitmap, canvas, CPoint(5, 5));
  // Drawn one pixel in; the frame covers the last column and row, nothing spills out.
  EXPECT_EQ(0, Mismatches(canvas, RECT{6, 6, 24, 14}, [&](int px, int py) { return source.At(px, py); }));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(5, 5));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(24, 14));
  EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(25, 6));
  EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(6, 15));

  bitmap.ApplyProperties(false, true);
  bitmap.SetSize(CSize(42, 22));  // stretched into 40 × 20 inside the box: twice the size
  Canvas stretched(80, 60);
  Draw(bitmap, stretched, CPoint(0, 0), true);
  EXPECT_EQ(0, Mismatches(stretched, RECT{1, 1, 41, 21}, [&](int px, int py) {
              COLORREF c = source.At(px / 2, py / 2);
              return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
            }));
}

// On a DC of the printer's resolution a plain bitmap keeps its size on paper.
TEST(BmapDraw, AtAPrintersResolution) {
  char name[256];
  DWORD length = sizeof name;
  if (!GetDefaultPrinterA(name, &length)) GTEST_SKIP() << "no default printer";
  HDC printer = CreateDCA("WINSPOOL", name, nullptr, nullptr);
  ASSERT_NE(nullptr, printer);
  PatternBitmap source(24, 12, 8);
  KVObjBmap bitmap(source.Get());
  bitmap.m_nAttr = 0;
  bitmap.CalcSize(printer);  // as the print copy of a memo converts its objects
  const int dpi = GetDeviceCaps(printer, LOGPIXELSX);
  const int screen = KVGetReferenceResolution().x;
  ASSERT_NE(screen, dpi);
  DeviceCanvas canvas(200, 100, printer);
  ASSERT_EQ(dpi, GetDeviceCaps(canvas.Dc(), LOGPIXELSX));
  Draw(bitmap, canvas, CPoint(0, 0));
  ASSERT_EQ(300, dpi);
  const int width = 75, height = 37;  // 24 by 12 screen pixels at 96 dpi on a 300 dpi printer
  EXPECT_EQ(bitmap.cx, width);
  // Away from the quadrant borders, where scaling rounds either way.
  for (int qy = 0; qy < 2; ++qy)
    for (int qx = 0; qx < 2; ++qx)
      EXPECT_EQ(source.At(qx * 12 + 6, qy * 6 + 3),
                canvas.Pixel(1 + (qx * 2 + 1) * width / 4, 1 + (qy * 2 + 1) * height / 4));
  DeleteDC(printer);
}
