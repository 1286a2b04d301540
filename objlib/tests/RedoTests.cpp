// Redo: each kind of edit a person undoes comes back with redo, with its caret and selection,
// in a memo and in a figure; a new edit after an undo forgets what could be redone.
#include <gtest/gtest.h>

#include <functional>

#include "ClipboardFormats.h"
#include "FigureSupport.h"
#include "KVObjBmap.h"
#include "LinkMemoSupport.h"
#include "PictureSupport.h"

namespace {

struct MemoState {
  Bytes data;
  int caret, selTop, selEnd;
  bool operator==(const MemoState& o) const {
    return data == o.data && caret == o.caret && selTop == o.selTop && selEnd == o.selEnd;
  }
};

int IndexOf(KVDocText& doc, LIST* node) {
  int index = 0;
  for (LIST* n = doc.Box()->m_list.pHead; n; n = n->pNext, ++index)
    if (n == node) return index;
  return -1;
}

LIST* NodeAt(KVDocText& doc, int index) {
  LIST* node = doc.Box()->m_list.pHead;
  while (index-- > 0) node = node->pNext;
  return node;
}

CRect RectOf(const KVObject* o) { return CRect(o->x, o->y, o->x + o->cx, o->y + o->cy); }

MemoState StateOf(KVDocText& doc) {
  MemoState state;
  state.data.resize(doc.Box()->DataLength());
  int written = 0;
  doc.Box()->GetData(&state.data[0], static_cast<int>(state.data.size()), &written);
  state.data.resize(written);
  state.caret = IndexOf(doc, doc.GetCurPos());
  state.selTop = IndexOf(doc, doc.GetSelTop());
  state.selEnd = IndexOf(doc, doc.GetSelEnd());
  return state;
}

// "ab<link>cd\r\nef" with "b<link>c" selected and no history.
void MakeMemo(KVDocText& doc, const std::string& target) {
  doc.Insert(const_cast<char*>("ab"));
  doc.Insert(LinkTo(target));
  doc.Insert(const_cast<char*>("cd\r\nef"));
  doc.SetSel(NodeAt(doc, 1), NodeAt(doc, 4));
  doc.Box()->ClearUndo();
}

// Dragging the selection to the end of the memo: the drop puts the caret there, inserts a
// copy and erases the dragged range, as one edit.
struct MoveToTheEnd {
  LIST* first = nullptr;
  LIST* end = nullptr;
  HGLOBAL data = nullptr;
  void Prepare(KVDocText& doc) {
    doc.GetSel(&first, &end);
    data = doc.GetSelData(static_cast<int>(KVGetClipboardFormats().dataBus));
    doc.SetCurPos(doc.Box()->m_list.pTail);
  }
  void Drop(KVDocText& doc) {
    doc.Insert(static_cast<int>(KVGetClipboardFormats().dataBus), data, CPoint(0, 0));
    GlobalFree(data);
    doc.Erase(first, end, false);
  }
};

}  // namespace

TEST(Redo, EveryKindOfEditInAMemoComesBackAfterUndo) {
  const std::string target = WriteMemo("redo-target.kvm", "linked");
  LOGFONT big = JapaneseFont(-30);
  MoveToTheEnd move;
  auto nothing = [](KVDocText&) {};
  const struct {
    const char* name;
    std::function<void(KVDocText&)> prepare;  // caret moves and the like, not undone
    std::function<void(KVDocText&)> edit;
  } cases[] = {
      {"typing over the selection", nothing,
       [](KVDocText& d) { d.Insert(const_cast<char*>("XY")); }},
      {"typing Japanese", nothing, [](KVDocText& d) { d.Insert(const_cast<char*>("日本語")); }},
      {"Enter", nothing, [](KVDocText& d) { d.Insert(const_cast<char*>("\r\n")); }},
      {"Delete", nothing, [](KVDocText& d) { d.Delete(); }},
      {"Backspace", nothing, [](KVDocText& d) { d.Erase(NodeAt(d, 0), NodeAt(d, 1), true); }},
      {"cut", nothing,
       [](KVDocText& d) { d.PutClipboard(KVGetClipboardFormats().dataBus, true); }},
      {"paste",
       [](KVDocText& d) {
         d.PutClipboard(KVGetClipboardFormats().dataBus, false);
         d.SetCurPos(d.Box()->m_list.pTail);
       },
       [](KVDocText& d) { d.GetClipboard(CPoint(0, 0)); }},
      {"move", [&move](KVDocText& d) { move.Prepare(d); }, [&move](KVDocText& d) { move.Drop(d); }},
      {"colour", nothing, [](KVDocText& d) { d.ChangeColor(RGB(255, 0, 0)); }},
      {"font", nothing, [&big](KVDocText& d) { d.ChangeFont(&big); }},
      {"link resize", nothing,
       [](KVDocText& d) {
         d.SetListItemSize(NodeAt(d, 2), CSize(300, 120));
         d.Layout(nullptr);
       }},
  };
  for (const auto& c : cases) {
    KVDocText doc;
    MakeMemo(doc, target);
    c.prepare(doc);
    const MemoState before = StateOf(doc);
    c.edit(doc);
    const MemoState after = StateOf(doc);
    ASSERT_FALSE(before == after) << c.name;
    EXPECT_FALSE(doc.CanRedo()) << c.name;
    for (int round = 0; round < 2; ++round) {
      doc.Undo();
      EXPECT_TRUE(StateOf(doc) == before) << c.name << " undo " << round;
      EXPECT_TRUE(doc.CanRedo()) << c.name;
      doc.Redo();
      EXPECT_TRUE(StateOf(doc) == after) << c.name << " redo " << round;
      EXPECT_FALSE(doc.CanRedo()) << c.name;
    }
    doc.Undo();
    doc.Insert(const_cast<char*>("z"));
    EXPECT_FALSE(doc.CanRedo()) << c.name << ": a new edit forgets the undone one";
    const MemoState typed = StateOf(doc);
    doc.Redo();
    EXPECT_TRUE(StateOf(doc) == typed) << c.name;
  }
}

// Several undone groups come back one group per redo, oldest undone last; saving forgets them.
TEST(Redo, UndoneGroupsComeBackInTurnUntilTheMemoIsSaved) {
  KVDocText doc;
  doc.Insert(const_cast<char*>("one "));
  doc.Insert(const_cast<char*>("two "));
  doc.SelectAll();
  doc.Insert(const_cast<char*>("three"));
  doc.Undo();
  doc.Undo();
  doc.Undo();
  EXPECT_EQ("", TextOf(doc));
  doc.Redo();
  EXPECT_EQ("one ", TextOf(doc));
  doc.Redo();
  EXPECT_EQ("one two ", TextOf(doc));
  doc.Redo();
  EXPECT_EQ("three", TextOf(doc));
  EXPECT_EQ(doc.Box()->m_list.pTail, doc.GetCurPos());
  doc.Undo();
  doc.ClearDerty();
  EXPECT_FALSE(doc.CanRedo());
  EXPECT_FALSE(doc.CanUndo());
}

TEST(Redo, MovedAndResizedFiguresComeBackInPlace) {
  KVObjFBox box;
  PatternBitmap picture(8, 8, 24);
  box.Insert(CF_BITMAP, picture.Get(), CPoint(10, 10));
  box.Insert(CF_BITMAP, picture.Get(), CPoint(40, 10));
  box.Select(0, CPoint(12, 12));
  box.ClearUndo();
  box.MoveSelected(5, 100);
  static_cast<KVObjBmap*>(ChildAt(box, 1)->pObj)->m_nAttr |= BA_STRETCH;
  box.SetItemRect(ChildAt(box, 1), CRect(40, 10, 90, 60));
  box.Undo();
  box.Undo();
  EXPECT_EQ(CRect(10, 10, 18, 18), RectOf(ChildAt(box, 0)->pObj));
  EXPECT_EQ(CRect(40, 10, 48, 18), RectOf(ChildAt(box, 1)->pObj));
  box.Redo();
  EXPECT_EQ(CRect(15, 110, 23, 118), RectOf(ChildAt(box, 0)->pObj));
  EXPECT_EQ(CRect(40, 10, 48, 18), RectOf(ChildAt(box, 1)->pObj));
  box.Redo();
  EXPECT_EQ(CRect(40, 10, 90, 60), RectOf(ChildAt(box, 1)->pObj));
  EXPECT_EQ(CSize(90, 118), CSize(box.cx, box.cy));
  EXPECT_FALSE(box.CanRedo());
}
