// Editing a text box: replacing the selection, undo restoring caret and selection, colour
// and font changes, whole-content replacement, clipboard data, and positions that must
// never stay on a removed node.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "ClipboardFormats.h"
#include "KVFont.h"
#include "SegWriter.h"
#include "TBoxSupport.h"

namespace {

void InsertData(KVObjTBox& box, UINT format, const Bytes& bytes) {
  HGLOBAL memory = GlobalOf(bytes);
  box.Insert(static_cast<int>(format), memory, CPoint());
  GlobalFree(memory);
}

// Every position is a node of the box's list.
void ExpectPositionsInList(SizedBox& box) {
  EXPECT_GE(box.IndexOf(box.GetCurPos()), 0);
  EXPECT_GE(box.IndexOf(box.GetSelTop()), 0);
  EXPECT_GE(box.IndexOf(box.GetSelEnd()), 0);
}

}  // namespace

TEST(Edit, TypingOverASelectionIsUndoneWithTheSameSelection) {
  SizedBox box;
  box.Fill(ChainOfText("hello world"));
  box.SetSel(box.At(6), box.At(11));  // "world", caret at its start
  box.Insert(const_cast<char*>("there"));
  EXPECT_EQ("hello there", box.Text());
  EXPECT_EQ(box.m_list.pTail, box.GetCurPos());
  EXPECT_FALSE(box.GetSel(nullptr, nullptr));
  box.Undo();
  EXPECT_EQ("hello world", box.Text());
  EXPECT_EQ(box.At(6), box.GetSelTop());
  EXPECT_EQ(box.At(11), box.GetSelEnd());
  EXPECT_EQ(box.At(6), box.GetCurPos());
  EXPECT_FALSE(box.CanUndo());
}

TEST(Edit, NewTextTakesTheColourAndFontAtTheCaret) {
  SizedBox box;
  LOGFONT big = JapaneseFont(-30);
  box.m_list.pTail->pObj->m_crColor = RGB(0, 128, 0);
  box.m_list.pTail->pObj->m_logFont = big;
  box.Insert(const_cast<char*>("ab"));  // at the end: the end marker's look
  EXPECT_EQ(RGB(0, 128, 0), box.At(0)->pObj->m_crColor);
  EXPECT_TRUE(KVIsFontEqual(&big, &box.At(1)->pObj->m_logFont));
  box.At(1)->pObj->m_crColor = RGB(255, 0, 0);
  box.SetCurPos(box.At(1));
  box.Insert(const_cast<char*>("x"));
  EXPECT_EQ(RGB(255, 0, 0), box.At(1)->pObj->m_crColor);
  EXPECT_EQ("axb", box.Text());
  EXPECT_EQ(box.At(2), box.GetCurPos());
}

TEST(Edit, DeleteAndEraseKeepEveryPositionOnALiveNode) {
  SizedBox box;
  box.Fill(ChainOfText("abcdef"));
  box.SetSel(box.At(1), box.At(3));
  box.Delete();
  EXPECT_EQ("adef", box.Text());
  EXPECT_EQ(box.At(1), box.GetCurPos());
  // The caret stands inside the run that Erase removes: it moves to the run's end.
  box.SetSel(box.At(2), box.At(1));
  box.Erase(box.At(0), box.At(3), true);
  EXPECT_EQ("f", box.Text());
  EXPECT_EQ(box.At(0), box.GetCurPos());
  ExpectPositionsInList(box);
  box.Undo();
  box.Undo();
  EXPECT_EQ("abcdef", box.Text());
  ExpectPositionsInList(box);
}

TEST(Edit, AnEmptyOrBackwardRangeErasesNothing) {
  SizedBox box;
  box.Fill(ChainOfText("abcdef"));
  box.SetSel(box.At(4), box.At(5));
  LIST* caret = box.GetCurPos();
  for (int end : {2, 1}) {
    box.Erase(box.At(2), box.At(end), true);
    EXPECT_EQ("abcdef", box.Text()) << end;
    EXPECT_EQ(box.At(4), box.GetSelTop());
    EXPECT_EQ(box.At(5), box.GetSelEnd());
    EXPECT_EQ(caret, box.GetCurPos());
    EXPECT_FALSE(box.CanUndo());
  }
  EXPECT_FALSE(box.KVObjList::Delete(box.At(3), box.At(3), true));
  EXPECT_EQ("abcdef", box.Text());
}

TEST(Edit, UndoAfterEveryKindOfEditThenKeepEditing) {
  SizedBox box;
  box.Fill(ChainOfText("one two three"));
  LOGFONT big = JapaneseFont(-30);
  auto select = [&](int a, int b) { box.SetSel(box.At(a), box.At(b)); };
  const std::function<void()> edits[] = {
      [&] { select(4, 7); box.Insert(const_cast<char*>("2")); },
      [&] { select(0, 3); box.Delete(); },
      [&] { box.SetCurPos(box.At(3)); box.Insert(ChainOfText("!!")); },
      [&] { select(2, 9); box.ChangeColor(RGB(1, 1, 1)); },
      [&] { select(1, 5); box.ChangeFont(&big); },
      [&] { box.Erase(box.At(0), box.At(5), true); },
      [&] { box.SelectAll(); box.Insert(static_cast<LIST*>(nullptr)); },
      [&] { select(3, 6); box.Insert(new KVObject()); },
  };
  for (const auto& edit : edits) {
    std::string before = box.Text();
    edit();
    ExpectPositionsInList(box);
    box.Undo();
    EXPECT_EQ(before, box.Text());
    ExpectPositionsInList(box);
    // Keep editing from wherever undo left caret and selection.
    box.Insert(const_cast<char*>("z"));
    box.MoveCurPos(MOVE_UP, CSize(100, 100));
    box.Undo();
    EXPECT_EQ(before, box.Text());
  }
}

TEST(Edit, ColourAndFontChangesAreOneUndoableReplacement) {
  SizedBox box;
  box.Fill(ChainOfText("abcd"));
  box.ChangeColor(RGB(9, 9, 9));  // nothing selected: nothing changes
  EXPECT_FALSE(box.CanUndo());
  box.SetSel(box.At(1), box.At(3));
  box.ChangeColor(RGB(9, 9, 9));
  EXPECT_EQ("abcd", box.Text());
  EXPECT_EQ(RGB(9, 9, 9), box.At(1)->pObj->m_crColor);
  EXPECT_EQ(RGB(9, 9, 9), box.At(2)->pObj->m_crColor);
  EXPECT_EQ(0u, box.At(3)->pObj->m_crColor);
  // The changed run stays selected with the caret where it was, ready for the next change.
  EXPECT_EQ(box.At(1), box.GetSelTop());
  EXPECT_EQ(box.At(3), box.GetSelEnd());
  EXPECT_EQ(box.At(1), box.GetCurPos());

  LOGFONT big = JapaneseFont(-40);
  box.SetSel(box.At(0), box.At(2));
  box.ChangeFont(&big);
  EXPECT_GT(box.At(0)->pObj->cy, 30);  // measured again in the new font
  EXPECT_EQ(box.At(0)->pObj->cy + box.At(0)->pObj->y, box.At(3)->pObj->y + box.At(3)->pObj->cy);
  box.Undo();
  EXPECT_EQ(20, box.At(0)->pObj->cy);
  box.Undo();
  EXPECT_EQ(0u, box.At(1)->pObj->m_crColor);
}

TEST(Edit, SetTextDataReplacesEverythingAndForgetsHistory) {
  SizedBox box;
  box.Fill(ChainOfText("old"));
  box.Insert(const_cast<char*>("x"));
  EXPECT_EQ(-1, box.SetTextData(const_cast<char*>("\n")));  // no objects: unchanged
  EXPECT_EQ("oldx", box.Text());
  EXPECT_EQ(0, box.SetTextData(const_cast<char*>("new\r\ntext")));
  EXPECT_EQ("new\ntext", box.Text());
  EXPECT_FALSE(box.CanUndo());
  EXPECT_EQ(box.m_list.pHead, box.GetCurPos());
  box.Clear();
  EXPECT_EQ(box.m_list.pTail, box.GetCurPos());
}

TEST(Edit, ClipboardTextAndMemoData) {
  SizedBox box;
  box.Fill(ChainOfText("[]"));
  box.SetCurPos(box.At(1));
  InsertData(box, CF_TEXT, Bytes("a\tb\r\n", 6));
  EXPECT_EQ("[a b\n]", box.Text());

  LOGFONT font = JapaneseFont();
  LIST* chain = StrToList("MD", RGB(7, 7, 7), &font);
  Bytes run(KVRunDataLength(chain, nullptr), '\0');
  KVWriteRun(chain, nullptr, &run[0], static_cast<int>(run.size()));
  KVFreeChain(chain);
  Bytes memoData = Segment(SEG_TBOX, Bytes(24, '\0')) + run + Segment(SEG_TBOX_END, "") + "\xFF\xFF";
  box.SetCurPos(box.At(0));
  InsertData(box, KVGetClipboardFormats().dataBus, memoData);
  EXPECT_EQ("MD[a b\n]", box.Text());
  EXPECT_EQ(RGB(7, 7, 7), box.At(1)->pObj->m_crColor);

  // A whole memo file: the head and page segments are skipped.
  Bytes file = Segment(SEG_DOCHEAD, U32(512) + Bytes(52, '\0') + Bytes(1, '\0')) +
               Segment(SEG_PAGE, Bytes(24, '\0')) + memoData;
  box.SelectAll();
  InsertData(box, KVGetClipboardFormats().extendFile, file);
  EXPECT_EQ("MD", box.Text());
}

TEST(Edit, DamagedMemoDataOnlyDeletesTheSelection) {
  SizedBox box;
  box.Fill(ChainOfText("keep"));
  box.SetSel(box.At(1), box.At(3));
  Bytes lying = Segment(SEG_TBOX, Bytes(24, '\0')) + "ab" + U16(0xFF44) + U32(1000);
  InsertData(box, KVGetClipboardFormats().dataBus, lying);
  EXPECT_EQ("kp", box.Text());
  ExpectPositionsInList(box);
  box.Undo();
  EXPECT_EQ("keep", box.Text());
}

TEST(Edit, ChildPropertiesAreAskedOfObjectsOnly) {
  static int asked;
  struct Editable : KVObject {
    int DoProperty() override { return ++asked, 1; }
  };
  asked = 0;
  SizedBox box;
  box.Fill(ChainOfText("ab"));
  box.SetCurPos(box.At(0));
  EXPECT_EQ(0, box.DoChildProperty());  // a character has no dialog
  box.SetCurPos(box.At(1));
  box.Insert(new Editable);
  box.ClearDerty();
  box.SelectAll();
  EXPECT_EQ(1, box.DoChildProperty());
  EXPECT_EQ(1, asked);
  EXPECT_TRUE(box.IsDerty());
}

TEST(Edit, CopyForPrintingDuplicatesTheChildren) {
  SizedBox box;
  box.m_crBackColor = RGB(1, 2, 3);
  box.Fill(ChainOfText("ab\ncd"));
  KVObjTBox copy(box);
  EXPECT_EQ(RGB(1, 2, 3), copy.m_crBackColor);
  EXPECT_EQ(copy.m_list.pHead, copy.GetCurPos());
  int count = 0;
  for (LIST* n = copy.m_list.pHead; n != copy.m_list.pTail; n = n->pNext, ++count)
    EXPECT_EQ(box.At(count)->pObj->m_wCode, n->pObj->m_wCode);
  EXPECT_EQ(5, count);
  EXPECT_NE(box.m_list.pHead->pObj, copy.m_list.pHead->pObj);
}
