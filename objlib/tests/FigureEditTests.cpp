// Editing a figure box: selection by point and by rectangle (plain and toggling), moving
// and resizing with undo, deleting and the extent, insertion of each clipboard format at
// a point, and the hit tests.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>

#include "ClipboardFormats.h"
#include "FigureSupport.h"
#include "KVFont.h"
#include "KVObjBmap.h"
#include "KVObjLink.h"
#include "KVObjTBox.h"
#include "PictureSupport.h"

namespace {

// b0 and b1 overlap; b2 stands apart.
class ThreeBlocks : public ::testing::Test {
 protected:
  void SetUp() override {
    box.Insert(Block(10, 10, 50, 50));
    box.Insert(Block(30, 30, 50, 50));
    box.Insert(Block(200, 10, 20, 20));
  }
  bool Selected(int index) const { return ChildAt(box, index)->pObj->m_bSelected; }
  std::string Marks() const {
    std::string marks;
    for (int i = 0; i < ChildCount(box); ++i) marks += Selected(i) ? '1' : '0';
    return marks;
  }
  KVObjFBox box;
};

CRect RectOf(const KVObject* o) { return CRect(o->x, o->y, o->x + o->cx, o->y + o->cy); }

}  // namespace

TEST_F(ThreeBlocks, APointSelectsTheFirstChildHitAndTogglingChangesOnlyIt) {
  box.Select(0, CPoint(40, 40));  // inside b0 and b1: the first in list order
  EXPECT_EQ("100", Marks());
  box.Select(1, CPoint(210, 15));
  EXPECT_EQ("101", Marks());
  box.Select(1, CPoint(40, 40));
  EXPECT_EQ("001", Marks());
  box.Select(1, CPoint(500, 500));  // toggling nothing changes nothing
  EXPECT_EQ("001", Marks());
  EXPECT_TRUE(box.HaveSelectData());
  EXPECT_TRUE(box.IsObjSelected());
  EXPECT_FALSE(box.IsLinkSelected());
  box.Select(0, CPoint(500, 500));  // a plain click on nothing clears the selection
  EXPECT_EQ("000", Marks());
  EXPECT_FALSE(box.HaveSelectData());
  KVObjFBox corner;
  corner.Insert(Block(0, 0, 10, 10));
  corner.Select(0, CPoint(-40, -3));  // negative coordinates count as 0
  EXPECT_TRUE(ChildAt(corner, 0)->pObj->m_bSelected);
}

TEST_F(ThreeBlocks, ARectangleSelectsTheChildrenWhollyInsideIt) {
  box.Select(0, CRect(0, 0, 90, 90));
  EXPECT_EQ("110", Marks());
  box.Select(0, CRect(90, 90, 0, 0));  // dragged from the other corner
  EXPECT_EQ("110", Marks());
  box.Select(0, CRect(0, 0, 60, 60));  // b0 exactly; b1 sticks out
  EXPECT_EQ("100", Marks());
  box.Select(1, CRect(0, 0, 300, 40));  // toggles b2, the only one inside
  EXPECT_EQ("101", Marks());
  box.Select(1, CRect(0, 0, 300, 90));  // toggles all three
  EXPECT_EQ("010", Marks());
  box.SelectAll(true);
  EXPECT_EQ("111", Marks());
  EXPECT_FALSE(box.m_list.pTail->pObj->m_bSelected);
}

TEST(FigureEdit, MovingAndResizingAreUndoneAndKeepTheStackingOrder) {
  KVObjFBox box;
  PatternBitmap picture(8, 8, 24);
  box.Insert(CF_BITMAP, picture.Get(), CPoint(10, 10));
  box.Insert(CF_BITMAP, picture.Get(), CPoint(40, 10));
  box.Insert(CF_BITMAP, picture.Get(), CPoint(70, 10));
  LIST* nodes[3] = {ChildAt(box, 0), ChildAt(box, 1), ChildAt(box, 2)};
  box.Select(0, CPoint(12, 12));
  box.Select(1, CPoint(72, 12));
  EXPECT_EQ(2, box.MoveSelected(5, 100));
  EXPECT_EQ(CRect(15, 110, 23, 118), RectOf(ChildAt(box, 0)->pObj));
  EXPECT_EQ(CRect(40, 10, 48, 18), RectOf(ChildAt(box, 1)->pObj));
  EXPECT_EQ(CRect(75, 110, 83, 118), RectOf(ChildAt(box, 2)->pObj));
  EXPECT_TRUE(ChildAt(box, 0)->pObj->m_bSelected);
  EXPECT_EQ(CSize(83, 118), CSize(box.cx, box.cy));
  EXPECT_EQ(2, box.MoveSelected(-100, -100));  // stops at the box's edge
  EXPECT_EQ(CPoint(0, 10), CPoint(ChildAt(box, 0)->pObj->x, ChildAt(box, 0)->pObj->y));
  box.Undo();
  box.Undo();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(nodes[i], ChildAt(box, i)) << i;
  EXPECT_EQ(CRect(10, 10, 18, 18), RectOf(nodes[0]->pObj));

  // A picture keeps its own size unless it is stretched.
  LIST* resized = box.SetItemRect(nodes[1], CRect(5, 6, 105, 56));
  EXPECT_EQ(CRect(5, 6, 13, 14), RectOf(resized->pObj));
  static_cast<KVObjBmap*>(resized->pObj)->m_nAttr |= BA_STRETCH;
  resized = box.SetItemRect(resized, CRect(5, 6, 105, 56));
  EXPECT_EQ(CRect(5, 6, 105, 56), RectOf(resized->pObj));
  EXPECT_EQ(CSize(105, 56), CSize(box.cx, box.cy));
  EXPECT_EQ(nullptr, box.SetItemRect(box.m_list.pTail, CRect(0, 0, 9, 9)));
  box.Undo();
  box.Undo();
  EXPECT_EQ(nodes[1], ChildAt(box, 1));
  EXPECT_EQ(CRect(40, 10, 48, 18), RectOf(nodes[1]->pObj));
}

TEST(FigureEdit, DeletingTheSelectionShrinksTheExtentAndOneUndoBringsItAllBack) {
  KVObjFBox box;
  PatternBitmap picture(8, 8, 24);
  box.Insert(CF_BITMAP, picture.Get(), CPoint(100, 20));
  box.Insert(CF_BITMAP, picture.Get(), CPoint(20, 200));  // pictures at two points: both covered
  box.Insert(Block(0, 0, 5, 5));
  EXPECT_EQ(CSize(108, 208), CSize(box.cx, box.cy));
  box.Select(0, CPoint(22, 202));
  box.Delete();
  EXPECT_EQ(CSize(108, 28), CSize(box.cx, box.cy));
  box.Undo();
  box.SelectAll(true);
  box.Delete();
  EXPECT_EQ(0, ChildCount(box));
  EXPECT_EQ(CSize(0, 0), CSize(box.cx, box.cy));
  box.Undo();
  EXPECT_EQ(3, ChildCount(box));
  EXPECT_EQ(CSize(108, 208), CSize(box.cx, box.cy));
}

TEST(FigureEdit, EveryClipboardFormatInsertsAtItsPlace) {
  KVDocFig doc;
  const std::vector<std::string> files = {TestFolder() + "d1.txt", TestFolder() + "d2.txt",
                                          TestFolder() + "d3.txt"};
  HGLOBAL drop = GlobalOf(DropFilesBytes(files));
  doc.Insert(CF_HDROP, drop, CPoint(30, 40));
  GlobalFree(drop);
  ASSERT_EQ(3, ChildCount(*doc.Box()));
  for (int i = 0; i < 3; ++i) {
    const KVObject* link = ChildAt(*doc.Box(), i)->pObj;
    EXPECT_EQ(SEG_LINK, link->m_wCode);
    EXPECT_EQ(CPoint(30, 40), CPoint(link->x, link->y));  // no rows: all at the point
  }
  HGLOBAL url = GlobalOf(Bytes("http://example.com/") + '\0');
  doc.Insert(static_cast<int>(KVGetClipboardFormats().url), url, CPoint(5, 6));
  GlobalFree(url);
  const KVObject* address = ChildAt(*doc.Box(), 3)->pObj;
  EXPECT_EQ(CPoint(5, 6), CPoint(address->x, address->y));
  EXPECT_EQ("http://example.com/", static_cast<const KVObjLink*>(address)->m_strCaption);

  HGLOBAL text = GlobalOf(Bytes("ab") + '\0');
  doc.Insert(CF_TEXT, text, CPoint(80, 80));
  GlobalFree(text);
  const KVObject* b = ChildAt(*doc.Box(), 5)->pObj;
  EXPECT_EQ('b', b->m_wCode);
  EXPECT_EQ(CPoint(0, 0), CPoint(b->x, b->y));  // characters stay where they were made
  EXPECT_TRUE(KVIsFontEqual(&g_DefaultFont, &b->m_logFont));
  EXPECT_EQ(0u, b->m_crColor);
  EXPECT_EQ(0, doc.Insert(const_cast<char*>("typed")));
  EXPECT_EQ(6, ChildCount(*doc.Box()));

  // The memo data of a selection pastes into another figure with the places it had.
  doc.Select(0, CPoint(31, 41));
  HGLOBAL data = doc.GetSelData(static_cast<int>(KVGetClipboardFormats().dataBus));
  ASSERT_TRUE(data);
  KVDocFig other;
  other.Insert(static_cast<int>(KVGetClipboardFormats().dataBus), data, CPoint(0, 0));
  GlobalFree(data);
  ASSERT_EQ(1, ChildCount(*other.Box()));
  EXPECT_EQ(CPoint(30, 40), CPoint(ChildAt(*other.Box(), 0)->pObj->x, ChildAt(*other.Box(), 0)->pObj->y));
  // A stream that does not parse inserts nothing.
  HGLOBAL damaged = GlobalOf(FigureHead(0, 0, 10, 10) + Bytes("\xE6\xFF\x40\0\0\0", 6));
  other.Insert(static_cast<int>(KVGetClipboardFormats().dataBus), damaged, CPoint(0, 0));
  GlobalFree(damaged);
  EXPECT_EQ(1, ChildCount(*other.Box()));
}

TEST(FigureEdit, HitTestsAnswerWithTheChildAndItsZone) {
  KVDocFig doc;
  PatternBitmap picture(40, 30, 24);
  doc.Insert(Block(0, 0, 50, 20));
  doc.Insert(Block(60, 0, 50, 20));
  doc.Insert(CF_BITMAP, picture.Get(), CPoint(0, 40));
  KVObjFBox& box = *doc.Box();
  LIST* node = nullptr;
  // Corners of the picture (0, 40)-(40, 70): top right counts as the right edge, bottom
  // left as the left edge.
  EXPECT_EQ(HIT_RIGHT, doc.WhereIs(CPoint(38, 42), &node));
  EXPECT_EQ(ChildAt(box, 2), node);
  EXPECT_EQ(HIT_LEFT, doc.WhereIs(CPoint(1, 68), &node));
  EXPECT_EQ(HIT_INSIDE, doc.WhereIs(CPoint(20, 55), &node));
  EXPECT_EQ(HIT_BOTTOM_RIGHT, doc.WhereIs(CPoint(38, 68), &node));
  EXPECT_EQ(0, doc.WhereIs(CPoint(55, 10), &node));  // between the blocks, above the picture
  KVObjFBox text;
  text.Insert(StrToList("x", 0, &g_DefaultFont));
  EXPECT_EQ(KV_HIT_CHARACTER, text.WhereIs(CPoint(1, 1), &node));
  EXPECT_EQ(text.m_list.pHead, node);
  // Scrolled, window points are moved into the box.
  doc.m_nScrollY = 40;
  EXPECT_EQ(HIT_INSIDE, doc.WhereIs(CPoint(20, 15), &node));
  doc.m_nScrollY = 0;

  // Rows: the two blocks, then the picture.
  EXPECT_EQ(ChildAt(box, 1), doc.Find(CPoint(70, 5)));
  EXPECT_EQ(ChildAt(box, 0), doc.Find(CPoint(5, 5)));
  EXPECT_EQ(ChildAt(box, 1), doc.Find(CPoint(500, 5)));   // right of a row: its last child
  EXPECT_EQ(ChildAt(box, 2), doc.Find(CPoint(-9, 50)));   // negative counts as 0
  EXPECT_EQ(box.m_list.pTail, doc.Find(CPoint(5, 30)));   // between the rows
}
