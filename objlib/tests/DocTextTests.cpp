// The text document: window coordinates, re-wrapping, links from text, cutting a selection
// out into a new memo, and plain-text export.
#include <gtest/gtest.h>

#include "DocSupport.h"
#include "KVErrors.h"
#include "KVObjLink.h"

namespace {

// A wrapped memo of lines "L00".."L39", each 10 characters.
void FillLines(KVDocText& doc) {
  doc.Box()->m_nAttr |= KV_ATTR_WRAP;
  std::string text;
  for (int i = 0; i < 40; ++i) text += "L" + std::to_string(100 + i).substr(1) + " text.\r\n";
  doc.Box()->SetTextData(&text[0]);
}

}  // namespace

TEST(DocText, CaretPointAndCharRectAreInWindowCoordinates) {
  KVDocText doc;
  doc.x = 5;
  doc.y = 7;
  doc.Insert(const_cast<char*>("ab\r\ncd"));
  doc.SetCurPos(doc.Box()->m_list.pHead->pNext->pNext->pNext->pNext);  // 'd'
  doc.m_nScrollY = 3;
  const KVObject* d = doc.GetCurPos()->pObj;
  EXPECT_EQ(CPoint(5 + d->x, 7 + d->y + 2 - 3), doc.GetCaretPoint(nullptr));
  EXPECT_EQ(CRect(5 + d->x, 4 + d->y, 5 + d->x + d->cx, 4 + d->y + d->cy), doc.GetCharRect(nullptr));
  EXPECT_EQ(doc.GetCurPos(), doc.Find(CPoint(5 + d->x + 1, 4 + d->y + 1)));
}

TEST(DocText, ScrollShowsAnObjectWithAMargin) {
  KVDocText doc;
  FillLines(doc);
  doc.SetSize(CSize(400, 100));
  LIST* last = doc.Box()->m_list.pTail;
  CRect view(0, 0, 400, 100);
  EXPECT_TRUE(doc.Scroll(view, last));
  const int bottom = last->pObj->y + last->pObj->cy;
  EXPECT_EQ(std::min(bottom - 100 + 24, doc.Box()->cy - 100), doc.m_nScrollY);
  EXPECT_FALSE(doc.Scroll(view, last));  // fully visible now
  EXPECT_TRUE(doc.Scroll(view, doc.Box()->m_list.pHead));
  EXPECT_EQ(0, doc.m_nScrollY);  // 24 beyond would be above the top
}

TEST(DocText, ResizingAWrappedMemoKeepsTheTopLine) {
  KVDocText doc;
  FillLines(doc);
  doc.SetSize(CSize(400, 120));
  doc.m_nScrollY = doc.Box()->m_list.pHead->pObj->cy * 20;  // line 20 at the top
  LIST* top = doc.Find(CPoint(0, 0));
  char before = static_cast<char>(top->pNext->pNext->pObj->m_wCode);
  doc.SetSize(CSize(40, 120));  // narrower: every line wraps into several
  LIST* after = doc.Find(CPoint(0, 0));
  EXPECT_EQ(top, after);
  EXPECT_EQ(before, static_cast<char>(after->pNext->pNext->pObj->m_wCode));
  doc.SetSize(CSize(4000, 5000));  // everything fits: no space scrolled in below the text
  EXPECT_EQ(0, doc.m_nScrollY);
}

TEST(DocText, PathToLinkTurnsTheSelectedTextIntoALink) {
  KVDocText doc;
  std::string target = TestFolder() + "target.txt";
  WriteWholeFile(target, "x");
  std::string text = "see " + target;
  doc.Insert(&text[0]);
  doc.SetSel(doc.Box()->m_list.pHead->pNext->pNext->pNext->pNext, doc.Box()->m_list.pTail);
  ASSERT_EQ(0, doc.PathToLink());
  auto* link = dynamic_cast<KVObjLink*>(doc.Box()->m_list.pTail->pPrev->pObj);
  ASSERT_NE(nullptr, link);
  EXPECT_EQ(target, link->m_strCaption);
  EXPECT_EQ(FT_TEXT, link->FileType());
  doc.Undo();
  EXPECT_EQ(text, TextOf(doc));

  std::string longText(259, 'a');
  doc.SelectAll();
  doc.Insert(&longText[0]);
  doc.SelectAll();
  EXPECT_EQ(KV_ERR_TOO_LONG, doc.PathToLink());
}

TEST(DocText, SaveTextWritesLinesWithoutAZero) {
  KVDocText doc;
  KVFile file;
  std::string path = TestFolder() + "out.txt";
  file.Attach(path.c_str());
  EXPECT_EQ(0, doc.SaveText(&file));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));  // nothing written
  doc.Insert(const_cast<char*>("one\r\ntwo"));
  EXPECT_EQ(0, doc.SaveText(&file));
  EXPECT_EQ("one\r\ntwo", ReadWholeFile(path));
}

TEST(DocText, MakeLinkCutsTheSelectionIntoANewMemoLinkedBack) {
  KVDocText doc;
  doc.Insert(const_cast<char*>("keep\r\nNew title\r\nbody"));
  LIST* start = doc.Box()->m_list.pHead;
  for (int i = 0; i < 5; ++i) start = start->pNext;  // behind "keep" and its line break
  doc.SetSel(start, doc.Box()->m_list.pTail);
  std::string path = TestFolder() + "cut.kvm";
  std::string back = TestFolder() + "origin.kvm";
  KVFile file;
  file.Attach(path.c_str());
  ASSERT_EQ(1, doc.MakeLink(&file, &back[0]));

  auto* link = dynamic_cast<KVObjLink*>(doc.Box()->m_list.pTail->pPrev->pObj);
  ASSERT_NE(nullptr, link);
  EXPECT_EQ("New title", link->m_strCaption);
  KVDocText cut;
  KVFile again;
  again.Attach(path.c_str());
  ASSERT_EQ(1, cut.Load(&again));
  EXPECT_EQ("New title", cut.m_strDocName);
  auto* backLink = dynamic_cast<KVObjLink*>(cut.Box()->m_list.pTail->pPrev->pObj);
  ASSERT_NE(nullptr, backLink);
  EXPECT_STREQ(back.c_str(), backLink->m_szPath);
  EXPECT_EQ(0, TextOf(cut).find("New title\r\nbody"));
}

TEST(DocText, MakeLinkToATextFileWritesPlainText) {
  KVDocText doc;
  doc.Insert(const_cast<char*>("plain words"));
  doc.SelectAll();
  std::string path = TestFolder() + "words.txt";
  KVFile file;
  file.Attach(path.c_str());
  ASSERT_EQ(1, doc.MakeLink(&file, nullptr));
  EXPECT_EQ("plain words", ReadWholeFile(path));
  auto* link = dynamic_cast<KVObjLink*>(doc.Box()->m_list.pHead->pObj);
  ASSERT_NE(nullptr, link);
  EXPECT_EQ(FT_TEXT, link->FileType());
}
