// The text box after edits in the middle: laid out, found and drawn as after a whole layout.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Canvas.h"
#include "KVFont.h"
#include "KVPaintPass.h"
#include "TBoxSupport.h"

namespace {

std::vector<CRect> Placement(const SizedBox& box) {
  std::vector<CRect> rects;
  for (LIST* n = box.m_list.pHead; n; n = n->pNext)
    rects.emplace_back(n->pObj->x, n->pObj->y, n->pObj->x + n->pObj->cx, n->pObj->y + n->pObj->cy);
  rects.emplace_back(0, 0, box.cx, box.cy);
  return rects;
}

// Every child is found at its centre, by point and by hit test.
void ExpectFoundWhereTheyStand(SizedBox& box, const std::string& step) {
  for (LIST* n = box.m_list.pHead; n != box.m_list.pTail; n = n->pNext) {
    const KVObject* o = n->pObj;
    if (o->cx < 2) continue;
    CPoint centre(o->x + o->cx / 2, o->y + o->cy / 2);
    LIST* hit = nullptr;
    box.WhereIs(centre, &hit);
    ASSERT_EQ(box.IndexOf(n), box.IndexOf(hit)) << step;
    ASSERT_EQ(box.IndexOf(n), box.IndexOf(box.Find(centre))) << step;
  }
}

void ExpectAsWholeLayout(SizedBox& box, const std::string& step) {
  ExpectFoundWhereTheyStand(box, step);
  const std::vector<CRect> edited = Placement(box);
  box.Layout(nullptr);
  ASSERT_EQ(edited, Placement(box)) << step;
}

void TypeAt(SizedBox& box, int index, LIST* run) {
  box.SetCurPos(box.At(index));
  box.Insert(run);
}

}  // namespace

TEST(Rewrap, EditsAnywhereLayOutAsAWholeLayoutDoes) {
  SizedBox box(95, true);
  std::string text;
  for (int i = 0; i < 30; ++i)
    text += i % 3 == 0 ? "a paragraph long enough to wrap over several lines\n"
                       : i % 3 == 1 ? "short\n" : "\n";
  box.Fill(ChainOfText(text));
  const int middle = static_cast<int>(text.size()) / 2;
  const std::vector<std::pair<std::string, std::function<void()>>> steps = {
      {"one character", [&] { TypeAt(box, middle, ChainOfText("x")); }},
      {"three more, each laid out after the last",
       [&] {
         for (int i = 0; i < 3; ++i) TypeAt(box, middle + 1 + i, ChainOfText("y"));
       }},
      {"a line break", [&] { TypeAt(box, middle, ChainOfText("\n")); }},
      {"a run over several lines", [&] { TypeAt(box, 40, ChainOfText("runs on and on\nand on")); }},
      {"a tall character", [&] { TypeAt(box, 60, ChainOf({{'T', 10, 45}})); }},
      {"an object", [&] { TypeAt(box, 70, ChainOf({{KV_CODE_GENERIC, 30, 30}})); }},
      {"a selection over lines deleted",
       [&] {
         box.SetSel(box.At(80), box.At(150));
         box.Delete();
       }},
      {"the tall character erased", [&] { box.Erase(box.At(60), box.At(61), true); }},
      {"a line break erased, joining two lines",
       [&] {
         int at = 0;
         while (box.At(at)->pObj->m_wCode != KV_CODE_NEWLINE) ++at;
         box.Erase(box.At(at), box.At(at + 1), true);
       }},
      {"a selection replaced",
       [&] {
         box.SetSel(box.At(100), box.At(104));
         box.Insert(ChainOfText("replacement"));
       }},
      {"at the head", [&] { TypeAt(box, 0, ChainOfText("head\n")); }},
      {"at the end", [&] { TypeAt(box, box.IndexOf(box.m_list.pTail), ChainOfText("\nend")); }},
      {"undone", [&] { box.Undo(); }},
  };
  for (const auto& step : steps) {
    step.second();
    ExpectAsWholeLayout(box, step.first);
  }
}

// A band drawn alone looks as that band of the whole box, selection included.
TEST(Rewrap, ABandDrawsAsTheWholeBoxDoesThere) {
  KVObjTBox box;
  box.m_nAttr |= KV_ATTR_WRAP;
  box.SetSize(CSize(150, 0));
  char text[] = "first line\r\nsecond line that wraps at the width\r\nthird\r\nfourth line\r\n"
                "fifth line, long enough to wrap\r\nsixth\r\nseventh\r\n";
  box.SetTextData(text);
  box.SetSel(box.Find(CPoint(20, 30)), box.Find(CPoint(40, 140)));
  const int width = 200;
  const int height = box.cy;
  Canvas whole(width, height);
  Canvas band(width, height);
  const CRect bandRect(0, height / 3, width, 2 * height / 3);
  for (Canvas* canvas : {&whole, &band}) {
    KVPaintPass pass(&canvas->cdc, 0, g_DefaultFont);
    box.Draw(pass.Info(), CPoint(0, 0), canvas == &whole ? CRect(0, 0, width, height) : bandRect,
             true);
  }
  for (int py = bandRect.top; py < bandRect.bottom; ++py)
    for (int px = 0; px < width; ++px)
      ASSERT_EQ(whole.Pixel(px, py), band.Pixel(px, py)) << px << "," << py;
}

namespace {

class ShowCounter : public KVObject {
 public:
  explicit ShowCounter(int* notDrawn) : m_notDrawn(notDrawn) {
    cx = cy = 20;
  }
  void Draw(PAINTINFO*, CPoint, CRect, bool) override {}
  void NoDraw() override { ++*m_notDrawn; }

 private:
  int* m_notDrawn;
};

}  // namespace

// An object that scrolls out of view is told so once, and again only after it was drawn.
TEST(Rewrap, AnObjectOutOfViewIsToldOnceAfterEachTimeItShowed) {
  int notDrawn = 0;
  SizedBox box(1000, true);
  box.Fill(ChainOfText(std::string(40, '\n')));
  TypeAt(box, 2, KVNewNode(new ShowCounter(&notDrawn)));
  Canvas canvas(100, 100);
  auto drawBand = [&](int top) {
    KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
    box.Draw(pass.Info(), CPoint(0, -top), CRect(0, 0, 100, 100), true);
  };
  drawBand(0);
  drawBand(500);
  EXPECT_EQ(1, notDrawn);
  drawBand(600);
  drawBand(400);
  EXPECT_EQ(1, notDrawn);
  drawBand(0);
  drawBand(300);
  EXPECT_EQ(2, notDrawn);
  TypeAt(box, 30, ChainOfText("x"));  // the layout does not forget that it may show
  drawBand(300);
  EXPECT_EQ(2, notDrawn);
}
