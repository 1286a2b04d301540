// Characters: data and text forms, measuring (cached and not), drawing.
#include <gtest/gtest.h>

#include <cstring>

#include "Canvas.h"
#include "KVFont.h"
#include "KVObjChar.h"
#include "KVPaintPass.h"
#include "TestSupport.h"

namespace {

Bytes DataOf(KVObject& object) {
  char buffer[8];
  int written = 0;
  object.GetData(buffer, sizeof buffer, &written);
  return Bytes(buffer, written);
}

Bytes TextOf(KVObject& object) {
  char buffer[8];
  int written = 0;
  object.GetText(buffer, sizeof buffer, &written);
  return Bytes(buffer, written);
}

}  // namespace

TEST(Char, ThreeFormsOfEachKindOfCharacter) {
  LOGFONT font = JapaneseFont();
  KVObjChar newline(0x0A, 0, &font), kana(0xB1, 0, &font), kanji(0x955C, 0, &font),
      letter('A', 0, &font);
  EXPECT_EQ(1, newline.DataLength());
  EXPECT_EQ(2, newline.TextLength());
  EXPECT_EQ(Bytes("\n"), DataOf(newline));
  EXPECT_EQ(Bytes("\r\n"), TextOf(newline));

  EXPECT_EQ(1, kana.DataLength());  // half-width katakana is a single byte
  EXPECT_EQ(Bytes("\xB1"), TextOf(kana));

  EXPECT_EQ(2, kanji.DataLength());
  EXPECT_EQ(Bytes("表"), DataOf(kanji));  // lead byte first, trail byte 0x5C second
  EXPECT_EQ(Bytes("表"), TextOf(kanji));

  EXPECT_EQ(Bytes("A"), DataOf(letter));
  EXPECT_EQ(1, letter.TextLength());
}

TEST(Char, BufferOneByteTooSmallGetsNothing) {
  LOGFONT font = JapaneseFont();
  KVObjChar kanji(0x955C, 0, &font), newline(0x0A, 0, &font);
  char buffer[2] = {'#', '#'};
  int written = -1;
  EXPECT_EQ(2, kanji.GetData(buffer, 1, &written));
  EXPECT_EQ(0, written);
  EXPECT_EQ(2, newline.GetText(buffer, 1, &written));
  EXPECT_EQ(0, written);
  EXPECT_EQ('#', buffer[0]);
}

TEST(Char, LineBreakAndEndMarkerMeasureAsASpace) {
  LOGFONT font = JapaneseFont();
  KVObjChar space(' ', 0, &font), newline(0x0A, 0, &font), end(0xFFFF, 0, &font);
  EXPECT_GT(space.cx, 0);
  EXPECT_EQ(space.cx, newline.cx);
  EXPECT_EQ(space.cy, newline.cy);
  EXPECT_EQ(space.cx, end.cx);
  EXPECT_EQ(2, end.TextLength());
}

// Measured once under Wine with IPA Gothic, which the test prefix gives for "ＭＳ ゴシック":
// a single-byte character is half a double-byte one wide; the height is the font's (13 at
// -12, 26 at bold -24) and 4 pixels of spacing.
TEST(Char, CachedMeasuresAreTheGlyphWidthAndTheFontHeightPlusSpacing) {
  LOGFONT small = JapaneseFont(-12), big = JapaneseFont(-24);
  big.lfWeight = FW_BOLD;
  struct Measure {
    UINT code;
    CSize small, big;
  };
  const Measure measures[] = {{'A', {6, 17}, {13, 30}},    {'i', {6, 17}, {13, 30}},
                              {'W', {6, 17}, {13, 30}},    {' ', {6, 17}, {13, 30}},
                              {0xB1, {6, 17}, {13, 30}},   {0x82A0, {12, 17}, {25, 30}},
                              {0x955C, {12, 17}, {25, 30}}, {0x8140, {12, 17}, {25, 30}}};
  for (int round = 0; round < 2; ++round) {  // the second round is served from the cache
    for (const Measure& measure : measures) {
      KVObjChar inSmall(measure.code, 0, &small), inBig(measure.code, 0, &big);
      EXPECT_EQ(measure.small, CSize(inSmall.cx, inSmall.cy)) << std::hex << measure.code;
      EXPECT_EQ(measure.big, CSize(inBig.cx, inBig.cy)) << std::hex << measure.code;
    }
  }
}

TEST(Char, FontChangeMeasuresAgainColourChangeDoesNot) {
  LOGFONT small = JapaneseFont(-12), big = JapaneseFont(-30);
  KVObjChar c(0x82A0, RGB(1, 2, 3), &small);
  int smallHeight = c.cy;
  c.ChangeFont(&big);
  EXPECT_GT(c.cy, smallHeight);
  EXPECT_EQ(CSize(30, 36), CSize(c.cx, c.cy));  // IPA Gothic at -30: 32 high, and 4
  c.m_crColor = RGB(200, 0, 0);
  EXPECT_EQ(CSize(30, 36), CSize(c.cx, c.cy));
}

TEST(CharDrawing, SameColourAndFontAsTheDcSelectNothing) {
  Canvas canvas(64, 32);
  LOGFONT font = JapaneseFont();
  KVObjChar c('A', RGB(10, 20, 30), &font);
  HFONT sentinel = CreateFontIndirectA(&font);
  HGDIOBJ old = SelectObject(canvas.Dc(), sentinel);
  SetTextColor(canvas.Dc(), RGB(0, 0, 255));
  // The pass claims the character's colour and font are selected already.
  PAINTINFO info = {&canvas.cdc, c.m_crColor, font};
  c.Draw(&info, CPoint(0, 0), CRect(0, 0, 64, 32), false);
  EXPECT_EQ(RGB(0, 0, 255), GetTextColor(canvas.Dc()));
  EXPECT_EQ(sentinel, GetCurrentObject(canvas.Dc(), OBJ_FONT));
  SelectObject(canvas.Dc(), old);
  DeleteObject(sentinel);
}

TEST(CharDrawing, ChangesAreSelectedAndRecordedForTheNextCharacter) {
  Canvas canvas(64, 32);
  LOGFONT font = JapaneseFont(), other = JapaneseFont(-30);
  KVObjChar big('A', RGB(255, 0, 0), &other), normal('B', RGB(255, 0, 0), &font);
  normal.x = big.cx;
  KVPaintPass pass(&canvas.cdc, 0, font);
  big.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 64, 32), false);
  EXPECT_EQ(RGB(255, 0, 0), GetTextColor(canvas.Dc()));
  EXPECT_EQ(RGB(255, 0, 0), pass.Info()->crColor);
  EXPECT_TRUE(KVIsFontEqual(&other, &pass.Info()->lfFont));
  // Back to the pass's first font: it must be selected again, not drawn in the big one.
  normal.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 64, 32), false);
  LOGFONT selected;
  GetObjectA(GetCurrentObject(canvas.Dc(), OBJ_FONT), sizeof selected, &selected);
  EXPECT_EQ(font.lfHeight, selected.lfHeight);
}

TEST(CharDrawing, SelectedCharactersAreInverted) {
  Canvas canvas(64, 32);
  LOGFONT font = JapaneseFont();
  KVObjChar space(' ', 0, &font);
  space.x = 4;
  space.y = 2;
  KVPaintPass pass(&canvas.cdc, 0, font);
  space.Draw(pass.Info(), CPoint(10, 0), CRect(0, 0, 64, 32), true);
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(14, 2));                              // inside, shifted by the origin
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(14 + space.cx - 1, 2 + space.cy - 1));
  EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(13, 2));                       // left of it
  EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(14 + space.cx, 2));            // right of it
}
