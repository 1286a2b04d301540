// Text box layout, reading order, caret movements and point lookups, on exact sizes.
#include <gtest/gtest.h>

#include "KVFont.h"
#include "TBoxSupport.h"

TEST(Layout, EmptyBoxIsTheEndMarkersSizeAndEveryMoveStaysThere) {
  SizedBox box(0);
  box.Layout(nullptr);
  EXPECT_EQ(8, box.cx);
  EXPECT_EQ(20, box.cy);
  for (int code = MOVE_UP; code <= MOVE_TEXT_END; ++code) {
    LIST* expected = code == MOVE_TEXT_START ? nullptr : box.m_list.pTail;
    EXPECT_EQ(expected, box.MoveCurPos(code, CSize(100, 100))) << code;
  }
  EXPECT_EQ(nullptr, box.MoveCurPos(10, CSize()));
}

TEST(Layout, MixedHeightsSitOnTheLineBottom) {
  SizedBox box;
  box.Fill(ChainOf({{'a', 10, 20}, {0xFFE5, 50, 60}, {'b', 10, 20}, {'\n', 10, 20}, {'c', 10, 20}}));
  EXPECT_EQ(CRect(0, 40, 10, 60), box.RectOf(0));
  EXPECT_EQ(CRect(10, 0, 60, 60), box.RectOf(1));
  EXPECT_EQ(CRect(60, 40, 70, 60), box.RectOf(2));
  EXPECT_EQ(CRect(70, 40, 80, 60), box.RectOf(3));  // the line break ends its line
  EXPECT_EQ(CRect(0, 60, 10, 80), box.RectOf(4));
  EXPECT_EQ(CRect(10, 60, 18, 80), box.RectOf(5));  // the end marker
  EXPECT_EQ(1000, box.cx);                          // at least the set width
  EXPECT_EQ(80, box.cy);
}

TEST(Layout, TallObjectOnTheLastLineMakesTheBoxTallerThanItsBottom) {
  SizedBox box(0);
  box.Fill(ChainOf({{'a', 10, 20}, {0xFFE5, 30, 50}}));
  EXPECT_EQ(30, box.RectOf(2).top);  // the end marker at the bottom of a 50-high line
  EXPECT_EQ(80, box.cy);             // its top plus the line height
  EXPECT_EQ(48, box.cx);
}

TEST(Layout, TrailingLineBreakGivesALineWithOnlyTheEndMarker) {
  SizedBox box(0);
  box.Fill(ChainOfText("ab\n"));
  EXPECT_EQ(CRect(0, 20, 8, 40), box.RectOf(3));
  EXPECT_EQ(40, box.cy);
}

TEST(Layout, WrappingBreaksBeforeTheObjectThatWouldPassTheWidth) {
  SizedBox box(35, true);
  box.Fill(ChainOfText("abcdefg"));
  EXPECT_EQ(CRect(20, 0, 30, 20), box.RectOf(2));
  EXPECT_EQ(CRect(0, 20, 10, 40), box.RectOf(3));  // 30 + 10 > 35
  EXPECT_EQ(CRect(0, 40, 10, 60), box.RectOf(6));
  EXPECT_EQ(35, box.cx);

  // Exactly the width still fits.
  SizedBox exact(30, true);
  exact.Fill(ChainOfText("abcd"));
  EXPECT_EQ(0, exact.RectOf(2).top);
  EXPECT_EQ(20, exact.RectOf(3).top);
}

TEST(Layout, NarrowerThanOneCharacterEveryObjectStandsAlone) {
  SizedBox box(5, true);
  box.Fill(ChainOfText("abc"));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(CRect(0, 20 * i, i == 3 ? 8 : 10, 20 * i + 20), box.RectOf(i));
  EXPECT_EQ(10, box.cx);
}

TEST(Layout, WithoutWrappingOnlyLineBreaksBreak) {
  SizedBox box(35, false);
  box.Fill(ChainOfText("abcdef\nab"));
  EXPECT_EQ(0, box.RectOf(5).top);
  EXPECT_EQ(70, box.cx);  // the longest line
  EXPECT_EQ(40, box.cy);
}

TEST(Caret, SelectionOrderAndExtension) {
  SizedBox box;
  box.Fill(ChainOfText("abc\ndef"));
  box.SetSel(box.At(5), box.At(1));
  EXPECT_EQ(box.At(1), box.GetSelTop());
  EXPECT_EQ(box.At(5), box.GetSelEnd());
  EXPECT_EQ(box.At(5), box.GetCurPos());
  EXPECT_TRUE(box.IsSelect(box.At(1), false));
  EXPECT_FALSE(box.IsSelect(box.At(5), false));
  EXPECT_TRUE(box.IsSelect(box.At(5), true));
  // Extending the moving end past the fixed one swaps them.
  box.SetSel(box.At(0));
  EXPECT_EQ(box.At(0), box.GetSelTop());
  EXPECT_EQ(box.At(1), box.GetSelEnd());
  EXPECT_EQ(box.At(0), box.GetCurPos());
  LIST *top = nullptr, *end = nullptr;
  EXPECT_TRUE(box.GetSel(&top, &end));
  box.SetCurPos(box.At(2));
  EXPECT_FALSE(box.GetSel(&top, nullptr));
  EXPECT_FALSE(box.IsSelect(box.At(2), true));
  box.SelectAll();
  EXPECT_EQ(box.m_list.pTail, box.GetSelEnd());
  EXPECT_EQ(box.m_list.pHead, box.GetCurPos());
}

TEST(Caret, ReadingOrderIsByBottomThenLeft) {
  SizedBox box;
  box.Fill(ChainOf({{'a', 10, 20}, {0xFFE5, 50, 60}, {'\n', 10, 20}, {'b', 10, 20}}));
  EXPECT_EQ(0, box.CompPosition(box.At(1), box.At(1)));
  EXPECT_LT(box.CompPosition(box.At(0), box.At(1)), 0);  // same bottom, further left
  EXPECT_GT(box.CompPosition(box.At(3), box.At(1)), 0);  // lower line
}

TEST(Caret, ObjectsInTheSelectionOrAtTheCaret) {
  SizedBox box;
  box.Fill(ChainOf({{'a', 10, 20}, {SEG_LINK, 30, 20}, {'b', 10, 20}, {0xFF31, 5, 5}}));
  box.SetCurPos(box.At(1));
  EXPECT_TRUE(box.IsLinkSelected());
  EXPECT_TRUE(box.IsObjSelected());
  box.SetSel(box.At(2), box.At(4));
  EXPECT_FALSE(box.IsLinkSelected());
  EXPECT_TRUE(box.IsObjSelected());
  box.SetCurPos(box.m_list.pTail);
  EXPECT_FALSE(box.IsObjSelected());  // the end marker is no object
}

namespace {

// Three lines: "abcdef\n", "xy\n", "klmnopq"; 10x20 cells.
class Moves : public ::testing::Test {
 protected:
  void SetUp() override { box.Fill(ChainOfText("abcdef\nxy\nklmnopq")); }
  int Move(int from, int code, CSize page = CSize(100, 40)) {
    box.SetCurPos(box.At(from));
    return box.IndexOf(box.MoveCurPos(code, page));
  }
  SizedBox box;
};

}  // namespace

TEST_F(Moves, UpAndDown) {
  EXPECT_EQ(2, Move(2, MOVE_UP));     // first line: stays
  EXPECT_EQ(9, Move(12, MOVE_UP));    // 'm' (x 20) up onto "xy\n": its line break (x 20)
  EXPECT_EQ(1, Move(8, MOVE_UP));     // 'y' (x 10) up: back along the line above to 'b'
  EXPECT_EQ(9, Move(4, MOVE_DOWN));   // 'e' (x 40) down onto a shorter line: its line break
  EXPECT_EQ(11, Move(8, MOVE_DOWN));  // 'y' (x 10) down: 'l' spans x 10
  EXPECT_EQ(15, Move(15, MOVE_DOWN)); // last line: stays
  EXPECT_EQ(17, Move(17, MOVE_DOWN)); // the end marker is the last node
}

TEST_F(Moves, LeftRightAndLineEnds) {
  EXPECT_EQ(0, Move(0, MOVE_LEFT));
  EXPECT_EQ(4, Move(5, MOVE_LEFT));
  EXPECT_EQ(17, Move(17, MOVE_RIGHT));
  EXPECT_EQ(8, Move(7, MOVE_RIGHT));
  EXPECT_EQ(7, Move(7, MOVE_LINE_START));
  EXPECT_EQ(7, Move(9, MOVE_LINE_START));
  EXPECT_EQ(0, Move(3, MOVE_LINE_START));
  EXPECT_EQ(6, Move(2, MOVE_LINE_END));   // the line break ending the line
  EXPECT_EQ(6, Move(6, MOVE_LINE_END));
  EXPECT_EQ(17, Move(12, MOVE_LINE_END)); // the last line ends at the end marker
  EXPECT_EQ(0, Move(5, MOVE_TEXT_START));
  box.SetCurPos(box.At(0));
  EXPECT_EQ(nullptr, box.MoveCurPos(MOVE_TEXT_START, CSize()));
  EXPECT_EQ(17, Move(3, MOVE_TEXT_END));
}

TEST_F(Moves, PagesGoThroughFind) {
  EXPECT_EQ(11, Move(1, MOVE_PAGE_DOWN));  // (10, 0 + 40): 'l' on the third line
  EXPECT_EQ(1, Move(11, MOVE_PAGE_UP));
  EXPECT_EQ(3, Move(3, MOVE_PAGE_UP, CSize(100, 500)));  // clamped at the top line
}

TEST_F(Moves, FindAndWhereIs) {
  EXPECT_EQ(0, box.IndexOf(box.Find(CPoint(-5, -5))));
  EXPECT_EQ(2, box.IndexOf(box.Find(CPoint(25, 10))));
  EXPECT_EQ(6, box.IndexOf(box.Find(CPoint(500, 10))));   // right of the line: its line break
  EXPECT_EQ(17, box.IndexOf(box.Find(CPoint(5, 500))));   // below the text: the end marker
  LIST* node = nullptr;
  EXPECT_EQ(KV_HIT_CHARACTER, box.WhereIs(CPoint(25, 10), &node));
  EXPECT_EQ(2, box.IndexOf(node));
  EXPECT_EQ(0, box.WhereIs(CPoint(500, 10), &node));
  EXPECT_EQ(box.m_list.pTail, node);
}

TEST(Caret, WhereIsGivesAnObjectsOwnZone) {
  SizedBox box;
  box.Fill(ChainOf({{'a', 10, 20}, {0xFFE5, 40, 40}}));
  LIST* node = nullptr;
  EXPECT_EQ(HIT_INSIDE, box.WhereIs(CPoint(30, 20), &node));
  EXPECT_EQ(1, box.IndexOf(node));
  EXPECT_EQ(HIT_TOP_LEFT, box.WhereIs(CPoint(10, 0), nullptr));
}

TEST(TextLine, FirstLineOfTheSelection) {
  SizedBox box;
  box.Fill(StrToList("memo title\r\nsecond", 0, &g_DefaultFont));
  char buffer[32];
  int length = -1;
  EXPECT_EQ(0, box.GetTextLine(buffer, sizeof buffer, &length));  // nothing selected
  EXPECT_EQ(0, length);
  box.SelectAll();
  EXPECT_EQ(10, box.GetTextLine(buffer, sizeof buffer, &length));
  EXPECT_STREQ("memo title", buffer);
  // A buffer too small keeps what fits and still counts everything.
  char small[5];
  EXPECT_EQ(10, box.GetTextLine(small, sizeof small, nullptr));
  EXPECT_STREQ("memo", small);
  box.SetSel(box.At(10), box.At(12));  // starts at the line break
  EXPECT_EQ(0, box.GetTextLine(buffer, sizeof buffer, nullptr));
}

TEST(PageHeight, BreaksAtLineStartsAndCutsOnlyATallLine) {
  SizedBox box;
  box.Fill(ChainOf({{'a', 10, 20}, {'\n', 10, 20}, {'b', 10, 20}, {'\n', 10, 20},
                    {0xFFE5, 10, 100}, {'\n', 10, 20}, {'c', 10, 20}}));
  // Lines start at 0, 20, 40 (100 high) and 140; the box is 160 high.
  EXPECT_EQ(40, box.GetPageHeight(nullptr, 0, 90));   // the tall line goes to the next page
  EXPECT_EQ(60, box.GetPageHeight(nullptr, 40, 60));  // a line taller than the page is cut
  EXPECT_EQ(120, box.GetPageHeight(nullptr, 40, 130)); // the rest fits: all of it
  EXPECT_EQ(0, box.GetPageHeight(nullptr, 200, 50));
}
