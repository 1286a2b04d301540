// Drawing a text box, checked on the pixels of a memory DIB and on the calls its children
// receive: background, selection, frame, clipping, and the visible band.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Canvas.h"
#include "KVFont.h"
#include "KVObjTBox.h"
#include "KVPaintPass.h"
#include "TestSupport.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBack = RGB(0x20, 0x40, 0x60);
const COLORREF kInverted = RGB(0xDF, 0xBF, 0x9F);
const COLORREF kBlack = RGB(0, 0, 0);

void Place(KVObject* o, int px, int py, int width, int height) {
  o->x = px;
  o->y = py;
  o->cx = width;
  o->cy = height;
}

// Three spaces in 10x20 cells and the end marker after them, in a 100x40 box at (10, 10).
class SpaceBox : public KVObjTBox {
 public:
  SpaceBox() {
    Insert(m_list.pTail, StrToList("   ", 0, &g_DefaultFont), true);
    int column = 0;
    for (LIST* n = m_list.pHead; n; n = n->pNext) Place(n->pObj, 10 * column++, 0, 10, 20);
    Place(this, 10, 10, 100, 40);
    m_nAttr = 0;
    m_crBackColor = kBack;
    SetCurPos(m_list.pHead);
  }
  LIST* At(int index) const {
    LIST* node = m_list.pHead;
    while (index--) node = node->pNext;
    return node;
  }
};

// Draws with the box's parent at (5, 5): the box covers (15, 15)-(115, 55) on the canvas.
const CPoint kOrigin(5, 5);

void DrawBox(KVObjTBox& box, Canvas& canvas, CRect clip, bool showSel) {
  KVPaintPass pass(&canvas.cdc, 0, JapaneseFont());
  box.Draw(pass.Info(), kOrigin, clip, showSel);
}

const CRect kEverything(0, 0, 200, 100);

// Centre of the cell of child `index` of a SpaceBox.
COLORREF Cell(const Canvas& canvas, int index) { return canvas.Pixel(20 + 10 * index, 25); }

// A child that only notes what it is asked to do.
struct Call {
  std::string what;
  int id;
  CPoint origin;
  CRect clip;
  bool selected;
};

class Recorder : public KVObject {
 public:
  Recorder(std::vector<Call>* log, int id) : m_log(log), m_id(id) {}
  void Draw(PAINTINFO*, CPoint origin, CRect clip, bool selected) override {
    m_log->push_back({"Draw", m_id, origin, clip, selected});
  }
  void NoDraw() override { m_log->push_back({"NoDraw", m_id, CPoint(), CRect(), false}); }

 private:
  std::vector<Call>* m_log;
  int m_id;
};

// Four recorders stacked in 20-pixel rows (the third far to the right), the end marker on a
// fifth row; box 100x100.
class RecorderBox : public KVObjTBox {
 public:
  explicit RecorderBox(std::vector<Call>* log) {
    for (int id = 0; id < 4; ++id) {
      Insert(m_list.pTail, KVNewNode(new Recorder(log, id)), true);
      Place(m_list.pTail->pPrev->pObj, id == 2 ? 500 : 0, 20 * id, 10, 20);
    }
    Place(m_list.pTail->pObj, 0, 80, 10, 20);
    Place(this, 0, 0, 100, 100);
    SetCurPos(m_list.pHead);
  }
};

// The DC's own clip region, or none.
struct ClipState {
  explicit ClipState(HDC dc) : region(CreateRectRgn(0, 0, 0, 0)), present(GetClipRgn(dc, region)) {}
  ~ClipState() { DeleteObject(region); }
  bool operator==(const ClipState& other) const {
    return present == other.present && (!present || EqualRgn(region, other.region));
  }
  HRGN region;
  int present;
};

}  // namespace

TEST(TBoxDraw, FillsTheVisiblePartWithTheBackgroundOnly) {
  Canvas canvas(200, 100);
  SpaceBox box;
  DrawBox(box, canvas, CRect(0, 0, 60, 100), true);
  EXPECT_EQ(kBack, canvas.Pixel(15, 15));
  EXPECT_EQ(kBack, canvas.Pixel(59, 54));
  EXPECT_EQ(kWhite, canvas.Pixel(60, 30));  // beyond the clip
  EXPECT_EQ(kWhite, canvas.Pixel(14, 30));  // left of the box
  EXPECT_EQ(kWhite, canvas.Pixel(30, 55));  // below the box
}

TEST(TBoxDraw, SelectionIsInvertedCellByCellButNeverTheEndMarker) {
  Canvas canvas(200, 100);
  SpaceBox box;
  box.SelectAll();
  DrawBox(box, canvas, kEverything, true);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(kInverted, Cell(canvas, i)) << i;
  EXPECT_EQ(kBack, Cell(canvas, 3));
  EXPECT_EQ(kBack, canvas.Pixel(20, 45));  // below the line

  // The selection end is not part of the selection.
  Canvas partial(200, 100);
  box.m_pSelTop = box.At(1);
  box.m_pSelEnd = box.At(2);
  DrawBox(box, partial, kEverything, true);
  EXPECT_EQ(kBack, Cell(partial, 0));
  EXPECT_EQ(kInverted, Cell(partial, 1));
  EXPECT_EQ(kBack, Cell(partial, 2));
}

TEST(TBoxDraw, SelectionIsHiddenWhenNotShown) {
  Canvas canvas(200, 100);
  SpaceBox box;
  box.SelectAll();
  DrawBox(box, canvas, kEverything, false);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(kBack, Cell(canvas, i)) << i;
}

TEST(TBoxDraw, ChildrenAreClippedToTheVisiblePart) {
  Canvas canvas(200, 100);
  SpaceBox box;
  box.SelectAll();
  DrawBox(box, canvas, CRect(0, 0, 34, 30), true);
  EXPECT_EQ(kInverted, canvas.Pixel(33, 20));
  EXPECT_EQ(kWhite, canvas.Pixel(34, 20));  // the second cell goes on, the clip does not
  EXPECT_EQ(kWhite, canvas.Pixel(20, 30));
}

TEST(TBoxDraw, FrameLiesOnePixelInsideTheRightAndBottomEdges) {
  Canvas canvas(200, 100);
  SpaceBox box;
  box.m_nAttr = KV_ATTR_FRAME;
  DrawBox(box, canvas, kEverything, true);   // the memory DC's pen is black
  EXPECT_EQ(kBlack, canvas.Pixel(15, 40));   // left
  EXPECT_EQ(kBlack, canvas.Pixel(60, 15));   // top
  EXPECT_EQ(kBlack, canvas.Pixel(114, 40));  // right - 1
  EXPECT_EQ(kBlack, canvas.Pixel(60, 54));   // bottom - 1
  EXPECT_EQ(kBlack, canvas.Pixel(114, 54));
  EXPECT_EQ(kWhite, canvas.Pixel(115, 40));
  EXPECT_EQ(kWhite, canvas.Pixel(60, 55));
  EXPECT_EQ(kBack, canvas.Pixel(113, 40));
  EXPECT_EQ(kBack, canvas.Pixel(60, 53));

  Canvas plain(200, 100);
  box.m_nAttr = 0;
  DrawBox(box, plain, kEverything, true);
  EXPECT_EQ(kBack, plain.Pixel(114, 40));
  EXPECT_EQ(kBack, plain.Pixel(15, 15));
}

TEST(TBoxDraw, ClipOutsideTheBoxDrawsNothingAndKeepsTheClipping) {
  Canvas canvas(200, 100);
  std::vector<Call> log;
  RecorderBox box(&log);
  box.m_nAttr = KV_ATTR_FRAME;
  HRGN region = CreateRectRgn(0, 0, 300, 300);
  SelectClipRgn(canvas.Dc(), region);
  DeleteObject(region);
  ClipState before(canvas.Dc());
  std::vector<DWORD> pixels = canvas.Pixels();
  DrawBox(box, canvas, CRect(150, 0, 200, 100), true);  // the box ends at x = 105
  DrawBox(box, canvas, CRect(0, 105, 200, 200), true);  // and at y = 105
  EXPECT_EQ(pixels, canvas.Pixels());
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(before == ClipState(canvas.Dc()));
}

TEST(TBoxDraw, ClippingComesBackExactlyAsItWas) {
  Canvas canvas(200, 100);
  SpaceBox box;
  DrawBox(box, canvas, kEverything, true);
  EXPECT_EQ(0, ClipState(canvas.Dc()).present);  // none before, none after

  // Two separate areas stay two areas, not their bounding box.
  HRGN left = CreateRectRgn(0, 0, 40, 100);
  HRGN right = CreateRectRgn(80, 0, 200, 100);
  CombineRgn(left, left, right, RGN_OR);
  SelectClipRgn(canvas.Dc(), left);
  DeleteObject(left);
  DeleteObject(right);
  ClipState before(canvas.Dc());
  DrawBox(box, canvas, kEverything, true);
  EXPECT_TRUE(before == ClipState(canvas.Dc()));
}

TEST(TBoxDraw, ChildrenOutsideTheVisibleBandAreToldTheyAreNotDrawn) {
  Canvas canvas(200, 100);
  std::vector<Call> log;
  RecorderBox box(&log);
  box.m_pSelTop = box.m_list.pHead->pNext;
  box.m_pSelEnd = box.m_list.pTail->pPrev;
  // The band is rows 1 and 2 exactly: row 0 ends where it starts, row 3 starts where it ends.
  const CRect band(0, 25, 200, 65);
  DrawBox(box, canvas, band, true);
  ASSERT_EQ(4u, log.size());
  EXPECT_EQ("NoDraw", log[0].what);
  EXPECT_EQ("Draw", log[1].what);
  EXPECT_EQ("Draw", log[2].what);  // far to the right of the clip, still asked
  EXPECT_EQ("NoDraw", log[3].what);
  EXPECT_EQ(1, log[1].id);
  EXPECT_EQ(2, log[2].id);
  EXPECT_EQ(CPoint(5, 5), log[1].origin);
  EXPECT_TRUE(CRect(5, 25, 105, 65) == log[1].clip);
  EXPECT_TRUE(log[1].selected);
  EXPECT_TRUE(log[2].selected);

  log.clear();
  DrawBox(box, canvas, band, false);
  ASSERT_EQ(4u, log.size());
  EXPECT_FALSE(log[1].selected);
  EXPECT_FALSE(log[2].selected);
}
