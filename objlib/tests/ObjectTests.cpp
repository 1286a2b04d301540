// The object base: record, copies, generic segments, hit zones, measuring and drawing.
#include <gtest/gtest.h>

#include <cstring>

#include "Canvas.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "KVObject.h"
#include "KVPaintPass.h"
#include "TestSupport.h"

namespace {

// A generic segment survives as raw bytes.
KVObject ReadGeneric(const Bytes& bytes, int* result) {
  KVObject object;
  *result = object.SetData(KV_FORMAT_VERSION,
                           reinterpret_cast<SEG_HEAD*>(const_cast<char*>(bytes.data())),
                           static_cast<int>(bytes.size()));
  return KVObject(object);
}

Bytes Write(KVObject& object) {
  Bytes out(object.DataLength(), '\0');
  int written = -1;
  EXPECT_EQ(static_cast<int>(out.size()), object.GetData(&out[0], static_cast<int>(out.size()), &written));
  EXPECT_EQ(static_cast<int>(out.size()), written);
  return out;
}

}  // namespace

TEST(Object, StartsWithTheDefaultRecord) {
  KVObject object;
  EXPECT_FALSE(object.m_bSelected);
  EXPECT_EQ(0xFF00, object.m_wCode);
  EXPECT_EQ(0u, object.m_nDataSize);
  EXPECT_EQ(0, object.x + object.y + object.cx + object.cy);
  EXPECT_EQ(0u, object.m_nAttr);
  EXPECT_EQ(0u, object.m_crColor);
  EXPECT_EQ(0xFFFFFFu, object.m_crBackColor);
  EXPECT_TRUE(KVIsFontEqual(&g_DefaultFont, &object.m_logFont));
  EXPECT_EQ(nullptr, object.m_pData);
  EXPECT_FALSE(object.m_bDerty);
  EXPECT_EQ(6, object.DataLength());
}

TEST(Object, CopyTakesTheRecordAndItsOwnBodyButNotSelectionOrDirt) {
  int result = 0;
  Bytes segment = Segment(0xFF42, "body");
  KVObject source = ReadGeneric(segment, &result);
  source.x = 3;
  source.cy = 9;
  source.m_bSelected = true;
  source.m_bDerty = true;
  KVObject copy(source);
  EXPECT_FALSE(copy.m_bSelected);
  EXPECT_FALSE(copy.m_bDerty);
  EXPECT_EQ(3, copy.x);
  EXPECT_EQ(9, copy.cy);
  ASSERT_NE(source.m_pData, copy.m_pData);
  source.m_pData[0] = 'X';
  EXPECT_EQ(segment, Write(copy));
}

TEST(GenericSegment, UnknownSegmentsSurviveAReadAndAWrite) {
  for (const Bytes& segment : {Segment(0xFF77, ""), Segment(0xFF01, Bytes("\0\xff\x01 x", 5)),
                               Segment(0xFFFE, Bytes(300, '\x5c'))}) {
    int result = 0;
    KVObject object = ReadGeneric(segment, &result);
    EXPECT_EQ(static_cast<int>(segment.size()), result);
    EXPECT_EQ(segment, Write(object));
  }
  int result = 0;
  KVObject empty = ReadGeneric(Segment(0xFF77, ""), &result);
  EXPECT_EQ(nullptr, empty.m_pData);
}

TEST(GenericSegment, WritesNothingIntoATooSmallBuffer) {
  int result = 0;
  KVObject object = ReadGeneric(Segment(0xFF10, "abc"), &result);
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  int written = -1;
  EXPECT_EQ(9, object.GetData(buffer, 8, &written));
  EXPECT_EQ(0, written);
  EXPECT_EQ('#', buffer[0]);
}

TEST(GenericSegment, ADamagedSegmentIsRefusedAndChangesNothing) {
  Bytes good = Segment(0xFF10, "keep");
  int result = 0;
  KVObject object = ReadGeneric(good, &result);
  Bytes truncatedHead = good.substr(0, 5);
  Bytes lyingLength = U16(0xFF20) + U32(0xFFFFFFF0) + "abc";
  for (const Bytes& bad : {truncatedHead, lyingLength, good.substr(0, good.size() - 1)}) {
    EXPECT_EQ(KV_ERR_READ_WRITE,
              object.SetData(512, reinterpret_cast<SEG_HEAD*>(const_cast<char*>(bad.data())),
                             static_cast<int>(bad.size())));
    EXPECT_EQ(good, Write(object));
  }
}

TEST(HitTest, ZonesAreSixPixelBandsAlongTheEdges) {
  KVObject object;
  object.x = 100;
  object.y = 50;
  object.cx = 40;
  object.cy = 30;
  struct Case {
    int px, py, zone;
  } cases[] = {
      {99, 60, HIT_NONE},          {140, 60, HIT_NONE},         {120, 80, HIT_NONE},
      {100, 50, HIT_TOP_LEFT},     {106, 56, HIT_TOP_LEFT},     {120, 50, HIT_TOP},
      {134, 50, HIT_TOP_RIGHT},    {139, 79, HIT_BOTTOM_RIGHT}, {106, 65, HIT_LEFT},
      {107, 65, HIT_INSIDE},       {133, 65, HIT_INSIDE},       {134, 65, HIT_RIGHT},
      {120, 74, HIT_BOTTOM},       {100, 79, HIT_BOTTOM_LEFT},  {120, 57, HIT_INSIDE},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.zone, object.HitTest(CPoint(c.px, c.py))) << c.px << "," << c.py;

  // Twelve pixels wide: no middle column, the left band wins where both apply.
  object.cx = 12;
  EXPECT_EQ(HIT_LEFT, object.HitTest(CPoint(106, 65)));
  EXPECT_EQ(HIT_RIGHT, object.HitTest(CPoint(107, 65)));
}

TEST(GenericObject, DrawsAsTheBlackSquareCharacter) {
  KVObject object;
  object.m_logFont = JapaneseFont(-16);
  object.cx = 16;
  object.cy = 20;
  Canvas canvas(16, 20);
  {
    KVPaintPass pass(&canvas.cdc, 0, object.m_logFont);
    object.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 16, 20), false);
  }
  int dark = 0;
  for (DWORD pixel : canvas.Pixels()) dark += (pixel & 0xFFFFFF) == 0;
  EXPECT_GT(dark, 60);  // a filled square, not an outline or nothing
}

TEST(Measuring, StringsMeasureTheirExtentPlusFourPixelsOfSpacing) {
  struct Measured : KVObject {
    using KVObject::CharSize;
    using KVObject::StrSize;
  } object;
  object.m_logFont = JapaneseFont(-16);
  HDC dc = CreateCompatibleDC(nullptr);
  // IPA Gothic at -16 under Wine: "表示 AB" is 56 pixels wide and 17 high.
  EXPECT_EQ(CSize(56, 21), object.StrSize("表示 AB", dc));
  EXPECT_EQ(object.StrSize("表示 AB", dc), object.StrSize("表示 AB", nullptr));
  EXPECT_EQ(object.StrSize("A", nullptr).cy, object.CharSize('A', nullptr).cy);
  DeleteDC(dc);
}
