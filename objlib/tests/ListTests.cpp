// The object list: end marker, recorded edits with their hooks, grouped undo, dirty state,
// serialised form and text export, copies, and the clipboard test.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ClipboardFormats.h"
#include "KVFont.h"
#include "KVObjList.h"
#include "TestSupport.h"

namespace {

// A container with a one-byte head and tail around its items, like the boxes: enough to
// see the assembly of pieces and to follow the hooks.
class TestList : public ReadableList {
 public:
  std::vector<std::string> calls;

  void PreInsert(BUndo* u) override { calls.push_back("PreInsert" + Kind(u)); }
  void PostInsert(BUndo* u) override { calls.push_back("PostInsert" + Kind(u)); }
  void PreDelete(BUndo* u) override { calls.push_back("PreDelete" + Kind(u)); }
  void PostDelete(BUndo* u) override { calls.push_back("PostDelete" + Kind(u)); }
  void PostUndo(BUndo* u) override { calls.push_back("PostUndo" + Kind(u)); }
  void PostClear() override { calls.push_back("PostClear"); }

  int HeadDataLength() override { return 1; }
  int TailDataLength() override { return 1; }
  int DataBodyLength() override { return static_cast<int>(Items().size()); }
  int GetHeadData(char* p, int) override { return *p = '<', 1; }
  int GetTailData(char* p, int) override { return *p = '>', 1; }
  int GetDataBody(char* p, int) override {
    std::string items = Items();
    std::memcpy(p, items.data(), items.size());
    return static_cast<int>(items.size());
  }
  int TextBodyLength() override { return DataBodyLength(); }
  int GetTextBody(char* p, int n) override { return GetDataBody(p, n); }

  std::string Items() {
    std::string s;
    for (LIST* node = m_list.pHead; node != m_list.pTail; node = node->pNext)
      s += static_cast<char>(node->pObj->m_wCode);
    return s;
  }
  LIST* At(int index) {
    LIST* node = m_list.pHead;
    while (index--) node = node->pNext;
    return node;
  }
  void Append(const char* text, bool groupStart = true) {
    Insert(m_list.pTail, StrToList(text, 0, &g_DefaultFont), groupStart);
  }

 private:
  static std::string Kind(BUndo* u) { return "(" + std::to_string(u->nKind) + ")"; }
};

}  // namespace

TEST(List, StartsWithOnlyTheEndMarkerInTheSettingsColour) {
  MakeConfigFolder();
  KVWriteProfileInt("Font", "Color", RGB(1, 2, 3));
  TestList list;
  RemoveSettingsFile();
  ASSERT_EQ(list.m_list.pHead, list.m_list.pTail);
  EXPECT_EQ(0xFFFF, list.m_list.pTail->pObj->m_wCode);
  EXPECT_EQ(RGB(1, 2, 3), list.m_list.pTail->pObj->m_crColor);
  EXPECT_NE(nullptr, dynamic_cast<KVObjChar*>(list.m_list.pTail->pObj));
  EXPECT_FALSE(list.IsDerty());
  EXPECT_FALSE(list.CanUndo());
  EXPECT_EQ("", list.Items());
}

TEST(List, InsertAndDeleteCallTheirHooksAroundTheChange) {
  TestList list;
  list.Append("abc");
  list.Delete(list.At(1), list.At(2), false);
  EXPECT_EQ("ac", list.Items());
  EXPECT_EQ((std::vector<std::string>{"PreInsert(1)", "PostInsert(1)", "PreDelete(2)",
                                      "PostDelete(2)"}),
            list.calls);
  BUndo* newest = static_cast<BUndo*>(list.m_undo.pHead->pObj);
  EXPECT_EQ(list.At(1), newest->pNodeA);  // the node after the removed range
  EXPECT_EQ('b', newest->pNodeB->pObj->m_wCode);
  EXPECT_EQ(nullptr, newest->pNodeB->pPrev);
  EXPECT_EQ(nullptr, newest->pNodeB->pNext);
}

TEST(Undo, OneCallUndoesAWholeGroupNewestFirst) {
  TestList list;
  list.Append("abcd");
  // Typing over a selection: delete "bc" (group start), then insert "X" in its place.
  list.Delete(list.At(1), list.At(3), true);
  list.Insert(list.At(1), StrToList("X", 0, &g_DefaultFont), false);
  EXPECT_EQ("aXd", list.Items());
  list.calls.clear();
  EXPECT_EQ(0, list.Undo());
  EXPECT_EQ("abcd", list.Items());
  EXPECT_EQ((std::vector<std::string>{"PostUndo(1)", "PostUndo(2)"}), list.calls);
  EXPECT_TRUE(list.CanUndo());  // the first insertion remains
  list.Undo();
  EXPECT_EQ("", list.Items());
  EXPECT_FALSE(list.CanUndo());
  list.calls.clear();
  EXPECT_EQ(0, list.Undo());  // nothing left: nothing happens
  EXPECT_TRUE(list.calls.empty());
}

TEST(Undo, TwoGroupsNeedTwoCalls) {
  TestList list;
  list.Append("ab");
  list.Append("cd");
  list.Undo();
  EXPECT_EQ("ab", list.Items());
  list.Undo();
  EXPECT_EQ("", list.Items());
}

TEST(Undo, DeletingUpToTheEndMarkerAndBack) {
  TestList list;
  list.Append("abc");
  list.Delete(list.At(1), list.m_list.pTail, true);
  EXPECT_EQ("a", list.Items());
  EXPECT_EQ(list.m_list.pTail, list.At(1));
  EXPECT_EQ(list.m_list.pTail->pPrev, list.At(0));
  list.Delete(list.At(0), list.m_list.pTail, true);  // now the head goes too
  EXPECT_EQ(list.m_list.pHead, list.m_list.pTail);
  list.Undo();
  list.Undo();
  EXPECT_EQ("abc", list.Items());
  EXPECT_EQ(0xFFFF, list.m_list.pTail->pObj->m_wCode);
  EXPECT_EQ(nullptr, list.m_list.pHead->pPrev);
  // Links hold both ways after the splices.
  for (LIST* node = list.m_list.pHead; node->pNext; node = node->pNext)
    EXPECT_EQ(node, node->pNext->pPrev);
}

TEST(Undo, DiscardedDeleteRecordsFreeTheirObjects) {
  static int destroyed;
  struct Counted : KVObject {
    ~Counted() override { ++destroyed; }
  };
  destroyed = 0;
  {
    TestList list;
    LIST* node = KVNewNode(new Counted);
    list.Insert(list.m_list.pTail, node, true);
    list.Delete(node, list.m_list.pTail, true);
    EXPECT_EQ(0, destroyed);
    list.ClearUndo();
    EXPECT_EQ(1, destroyed);
  }
  EXPECT_EQ(1, destroyed);
}

TEST(DirtyState, EditsDirtyASaveCleansAResizeIsAnEditToo) {
  TestList list;
  list.Append("a");
  EXPECT_TRUE(list.IsDerty());
  list.ClearDerty();
  EXPECT_FALSE(list.IsDerty());
  EXPECT_FALSE(list.CanUndo());
  list.SetItemSize(list.At(0), CSize(5, 5));
  EXPECT_TRUE(list.IsDerty());
  list.Undo();
  EXPECT_FALSE(list.IsDerty());
}

TEST(List, ClearKeepsOnlyTheEndMarkerAndForgetsHistory) {
  TestList list;
  list.Append("abc");
  list.calls.clear();
  list.Clear();
  EXPECT_EQ(list.m_list.pHead, list.m_list.pTail);
  EXPECT_FALSE(list.CanUndo());
  EXPECT_EQ(std::vector<std::string>{"PostClear"}, list.calls);
}

TEST(Assembly, HeadBodyAndTailWithTheBufferProtocol) {
  TestList list;
  list.Append("hi");
  EXPECT_EQ(4, list.DataLength());
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  int written = -1;
  EXPECT_EQ(4, list.GetData(buffer, 3, &written));
  EXPECT_EQ(0, written);
  EXPECT_EQ('#', buffer[0]);
  EXPECT_EQ(4, list.GetData(buffer, 4, &written));
  EXPECT_EQ(4, written);
  EXPECT_EQ("<hi>", std::string(buffer, 4));

  // The text has no head or tail here; the extra byte is room for the zero.
  EXPECT_EQ(3, list.TextLength());
  EXPECT_EQ(3, list.GetText(buffer, 2, &written));
  EXPECT_EQ(0, written);
  EXPECT_EQ(2, list.GetText(buffer, 3, &written));
  EXPECT_EQ(2, written);
  EXPECT_STREQ("hi", buffer);
}

TEST(Assembly, EmptyListNeedsOneByteOfTextAndWritesNone) {
  KVObjList list;
  char buffer[4] = "##";
  int written = -1;
  EXPECT_EQ(1, list.TextLength());
  EXPECT_EQ(0, list.GetText(buffer, sizeof buffer, &written));
  EXPECT_EQ(0, written);
  EXPECT_EQ(0, list.DataLength());
}

TEST(List, DupObjectCopiesByCode) {
  TestList list;
  LOGFONT font = JapaneseFont();
  KVObjChar c(0x82A0, RGB(9, 9, 9), &font);
  c.m_bSelected = true;
  KVObject* copy = list.DupObject(&c);
  ASSERT_NE(nullptr, dynamic_cast<KVObjChar*>(copy));
  EXPECT_EQ(0x82A0, copy->m_wCode);
  EXPECT_EQ(2, copy->DataLength());
  EXPECT_FALSE(copy->m_bSelected);
  delete copy;

  KVObject generic;
  Bytes segment = Segment(0xFF55, "raw");
  generic.SetData(512, reinterpret_cast<SEG_HEAD*>(&segment[0]), static_cast<int>(segment.size()));
  copy = list.DupObject(&generic);
  EXPECT_EQ(nullptr, dynamic_cast<KVObjChar*>(copy));
  EXPECT_EQ(0xFF55, copy->m_wCode);
  EXPECT_EQ(0, std::memcmp("raw", copy->m_pData, 3));
  delete copy;
}

TEST(Clipboard, CanPasteFollowsTheRealClipboard) {
  KVObjList list;
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_FALSE(list.CanPaste());

  ASSERT_TRUE(PutOnClipboard(CF_TEXT, std::string("text", 5)));
  EXPECT_TRUE(list.CanPaste());
  ASSERT_TRUE(PutOnClipboard(KVGetClipboardFormats().dataBus, "\xff\xff"));
  EXPECT_TRUE(list.CanPaste());
  ASSERT_TRUE(PutOnClipboard(KVGetClipboardFormats().url, std::string("http://x/", 10)));
  EXPECT_FALSE(list.CanPaste());  // a web address alone is not pasted as such
}
