// The text box segment: golden bytes, both head layouts, nested boxes, damaged streams.
#include <gtest/gtest.h>

#include "KVErrors.h"
#include "KVFont.h"
#include "TBoxSupport.h"

namespace {

Bytes Head(unsigned attr, unsigned back, int x, int y, int width, int height) {
  return Segment(SEG_TBOX, U32(attr) + U32(back) + U32(x) + U32(y) + U32(width) + U32(height));
}

const Bytes kTail = Segment(SEG_TBOX_END, "");

Bytes Save(KVObject& box) {
  Bytes out(box.DataLength(), '\0');
  int written = 0;
  box.GetData(&out[0], static_cast<int>(out.size()), &written);
  EXPECT_EQ(static_cast<int>(out.size()), written);
  return out;
}

int Load(KVObjTBox& box, const Bytes& bytes, int version = 512) {
  return box.SetData(version, reinterpret_cast<SEG_HEAD*>(const_cast<char*>(bytes.data())),
                     static_cast<int>(bytes.size()));
}

}  // namespace

TEST(TBoxStream, EmptyBoxIsHeadAndTailOnly) {
  KVObjTBox box;
  box.m_nWidth = 300;
  box.Layout(nullptr);
  Bytes expected = Head(box.m_nAttr, 0xFFFFFF, 0, 0, 300, box.cy) + kTail;
  EXPECT_EQ(expected, Save(box));
  EXPECT_EQ(36, box.DataLength());
}

TEST(TBoxStream, OneColourAndFontAreWrittenOnceBeforeTheText) {
  KVObjTBox box;
  box.m_nAttr = 0x40000001;
  box.m_crBackColor = RGB(250, 250, 200);
  box.m_nWidth = 200;
  LOGFONT font = JapaneseFont();
  box.Insert(StrToList("AB\r\n表", RGB(0, 0, 255), &font));
  Bytes expected = Head(0x40000001, RGB(250, 250, 200), 0, 0, 200, box.cy) +
                   Segment(SEG_COLOR, U32(RGB(0, 0, 255))) + Segment(SEG_FONT, FontBody(font)) +
                   "AB\n表" + kTail;
  EXPECT_EQ(expected, Save(box));

  char text[16];
  int written = 0;
  box.GetText(text, sizeof text, &written);
  EXPECT_STREQ("AB\r\n表", text);
}

TEST(TBoxStream, ReadBackGivesTheSameBytesAndGeometry) {
  KVObjTBox box;
  box.m_nWidth = 250;
  box.x = 3;
  box.y = 4;
  LOGFONT font = JapaneseFont(), big = JapaneseFont(-30);
  box.Insert(StrToList("one ", 0, &font));
  box.Insert(StrToList("two", RGB(200, 0, 0), &big));
  Bytes saved = Save(box);

  KVObjTBox back;
  EXPECT_EQ(static_cast<int>(saved.size()), Load(back, saved + "\xFF\xFF"));
  EXPECT_EQ(250, back.m_nWidth);
  EXPECT_EQ(3, back.x);
  EXPECT_EQ(back.m_list.pHead, back.GetCurPos());
  EXPECT_FALSE(back.CanUndo());
  EXPECT_EQ(saved, Save(back));
  EXPECT_EQ(box.cy, back.cy);
}

TEST(TBoxStream, OldHeadsHaveNoPosition) {
  Bytes oldHead = Segment(SEG_TBOX, U32(1) + U32(RGB(1, 1, 1)) + U32(320) + U32(99));
  Bytes stream = oldHead + U16('h') + U16('i') + kTail;
  KVObjTBox box;
  box.x = 7;
  EXPECT_EQ(static_cast<int>(stream.size()), Load(box, stream, 255));
  EXPECT_EQ(0, box.x);
  EXPECT_EQ(0, box.y);
  EXPECT_EQ(320, box.m_nWidth);
  EXPECT_EQ(1u, box.m_nAttr);
  char text[8];
  int written = 0;
  box.GetText(text, sizeof text, &written);
  EXPECT_STREQ("hi", text);
}

TEST(TBoxStream, WithoutAHeadTheRunEndsAtTheStreamEnd) {
  KVObjTBox box;
  Bytes stream = "abc" + Segment(SEG_COLOR, U32(0)) + "\xFF\xFF";
  EXPECT_EQ(13, Load(box, stream));  // the end code is left for the caller
  char text[8];
  int written = 0;
  box.GetText(text, sizeof text, &written);
  EXPECT_STREQ("abc", text);
}

TEST(TBoxStream, AnEmptyRunKeepsWhatTheBoxHeld) {
  KVObjTBox box;
  box.Insert(const_cast<char*>("kept"));
  EXPECT_EQ(36, Load(box, Head(0, 0, 0, 0, 10, 10) + kTail));
  EXPECT_EQ(4, box.TextBodyLength());
}

TEST(TBoxStream, NestedBoxesLoadAndSaveWithTheirContent) {
  LOGFONT font = JapaneseFont();
  auto* inner = new KVObjTBox();
  inner->m_nWidth = 80;
  inner->Insert(StrToList("in", 0, &font));
  KVObjTBox outer;
  outer.m_nWidth = 300;
  outer.Insert(StrToList("<>", 0, &font));
  outer.SetCurPos(outer.m_list.pHead->pNext);
  outer.Insert(inner);
  Bytes saved = Save(outer);

  KVObjTBox back;
  ASSERT_EQ(static_cast<int>(saved.size()), Load(back, saved));
  KVObject* nested = back.m_list.pHead->pNext->pObj;
  ASSERT_NE(nullptr, dynamic_cast<KVObjTBox*>(nested));
  EXPECT_EQ(80, static_cast<KVObjTBox*>(nested)->m_nWidth);
  EXPECT_EQ(saved, Save(back));

  // Changing the colour of a selection that holds the nested box keeps its content.
  back.SelectAll();
  back.ChangeColor(RGB(3, 3, 3));
  auto* recoloured = dynamic_cast<KVObjTBox*>(back.m_list.pHead->pNext->pObj);
  ASSERT_NE(nullptr, recoloured);
  EXPECT_EQ(2, recoloured->TextBodyLength());
  EXPECT_EQ(80, recoloured->m_nWidth);
}

TEST(TBoxStream, DamagedStreamsLeaveTheBoxUnchanged) {
  KVObjTBox box;
  box.m_nWidth = 123;
  box.Insert(const_cast<char*>("keep"));
  Bytes good = Head(0, 0, 0, 0, 999, 10) + "new" + kTail;
  for (size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_EQ(KV_ERR_READ_WRITE, Load(box, good.substr(0, cut))) << cut;
  EXPECT_EQ(123, box.m_nWidth);
  EXPECT_EQ(4, box.TextBodyLength());
  EXPECT_TRUE(box.CanUndo());
}

TEST(TBoxStream, NestingDeeperThanTheLimitIsRefused) {
  Bytes shallow, deep;
  for (int i = 0; i < 20; ++i) shallow = Head(0, 0, 0, 0, 10, 10) + "x" + shallow + kTail;
  for (int i = 0; i < 200; ++i) deep = Head(0, 0, 0, 0, 10, 10) + deep + kTail;
  KVObjTBox box;
  EXPECT_EQ(static_cast<int>(shallow.size()), Load(box, shallow));
  EXPECT_EQ(KV_ERR_READ_WRITE, Load(box, deep));
}
