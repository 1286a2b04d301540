// The real clipboard: copy, cut and paste between documents and between processes.
#include <gtest/gtest.h>

#include <cstring>

#include "ClipboardFormats.h"
#include "DocSupport.h"
#include "GlobalBlocks.h"
#include "KVFont.h"

namespace {

// "red" in red and large, then " black" in black and small.
void FillStyled(KVDocText& doc) {
  LOGFONT big = JapaneseFont(-28), small = JapaneseFont(-12);
  doc.Insert(StrToList("red", RGB(255, 0, 0), &big));
  doc.Insert(StrToList(" black", 0, &small));
}

void ExpectStyledPaste(KVDocText& doc) {
  EXPECT_EQ("red black", TextOf(doc));
  LIST* r = doc.Box()->m_list.pHead;
  EXPECT_EQ(RGB(255, 0, 0), r->pObj->m_crColor);
  EXPECT_EQ(-28, r->pObj->m_logFont.lfHeight);
  LIST* b = r->pNext->pNext->pNext->pNext;
  EXPECT_EQ(0u, b->pObj->m_crColor);
  EXPECT_EQ(-12, b->pObj->m_logFont.lfHeight);
}

bool IsChild() { return GetEnvironmentVariableA("KV_CLIPBOARD_CHILD", nullptr, 0) != 0; }

}  // namespace

TEST(Clipboard, CopyWithNothingSelectedLeavesTheClipboardAlone) {
  if (IsChild()) GTEST_SKIP();
  PutOnClipboard(CF_TEXT, Bytes("before", 7));
  KVDocText doc;
  doc.Insert(const_cast<char*>("text"));
  doc.PutClipboard(CF_TEXT, false);
  doc.PutClipboard(KVGetClipboardFormats().dataBus, true);
  EXPECT_EQ(Bytes("before", 7), ClipboardBytes(CF_TEXT).substr(0, 7));
  EXPECT_EQ("text", TextOf(doc));
}

TEST(Clipboard, TextCopyAcrossALineBreak) {
  if (IsChild()) GTEST_SKIP();
  KVDocText doc;
  doc.Insert(const_cast<char*>("ab\r\ncd"));
  doc.SelectAll();
  doc.PutClipboard(CF_TEXT, false);
  Bytes text = ClipboardBytes(CF_TEXT);
  ASSERT_GE(text.size(), 7u);
  EXPECT_EQ(Bytes("ab\r\ncd\0", 7), text.substr(0, 7));
}

TEST(Clipboard, MemoDataKeepsColoursAndFontsAndPlainTextWins) {
  if (IsChild()) GTEST_SKIP();
  KVDocText source;
  FillStyled(source);
  source.SelectAll();
  source.PutClipboard(KVGetClipboardFormats().dataBus, false);
  KVDocText target;
  target.GetClipboard(CPoint(0, 0));
  ExpectStyledPaste(target);

  // Both on the clipboard: the plain text is taken.
  Bytes memoData = ClipboardBytes(KVGetClipboardFormats().dataBus);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  for (auto [format, bytes] : {std::pair<UINT, Bytes>{KVGetClipboardFormats().dataBus, memoData},
                               std::pair<UINT, Bytes>{CF_TEXT, Bytes("plain", 6)}}) {
    SetClipboardData(format, GlobalOf(bytes));
  }
  CloseClipboard();
  KVDocText plain;
  plain.GetClipboard(CPoint(0, 0));
  EXPECT_EQ("plain", TextOf(plain));
}

TEST(Clipboard, CutIsUndoable) {
  if (IsChild()) GTEST_SKIP();
  KVDocText doc;
  doc.Insert(const_cast<char*>("cut me"));
  doc.SelectAll();
  doc.PutClipboard(KVGetClipboardFormats().dataBus, true);
  EXPECT_EQ("", TextOf(doc));
  doc.Undo();
  EXPECT_EQ("cut me", TextOf(doc));
}

TEST(Clipboard, HostileMemoDataPastesNothing) {
  if (IsChild()) GTEST_SKIP();
  const Bytes cases[] = {
      BoxHead(0, 0, 1, 1) + "ab" + U16(0xFF44) + U32(0x7FFFFFF0) + "x",
      BoxHead(0, 0, 1, 1) + Segment(SEG_FONT, "short") + "ab" + BoxTail(),
      BoxHead(0, 0, 1, 1).substr(0, 20),
      Bytes("ab"),
  };
  for (const Bytes& hostile : cases) {
    PutOnClipboard(KVGetClipboardFormats().dataBus, hostile);
    KVDocText doc;
    doc.Insert(const_cast<char*>("kept"));
    doc.GetClipboard(CPoint(0, 0));
    EXPECT_EQ("kept", TextOf(doc));
  }
}

// A copy in this process is pasted by a second process.
TEST(Clipboard, PastesInAnotherProcess) {
  if (IsChild()) GTEST_SKIP();
  KVDocText source;
  FillStyled(source);
  source.SelectAll();
  source.PutClipboard(KVGetClipboardFormats().dataBus, false);
  EXPECT_EQ(0, RunSelfAsChild("ClipboardChild.*", "KV_CLIPBOARD_CHILD"));
}

TEST(ClipboardChild, PasteWhatTheParentCopied) {
  if (!IsChild()) GTEST_SKIP();
  KVDocText target;
  ASSERT_TRUE(target.CanPaste());
  target.GetClipboard(CPoint(0, 0));
  ExpectStyledPaste(target);
}
