// Links in a text box: built from dropped files and addresses, expanded into the memo they
// point to, copied with their open document; and a document drawn scrolled.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>

#include "Canvas.h"
#include "ClipboardFormats.h"
#include "DocSupport.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "KVObjLink.h"
#include "KVPaintPass.h"

namespace {

// 'L' for a link, 'n' for a line break, '?' for anything else.
std::string Shape(KVDocText& doc) {
  std::string shape;
  for (LIST* n = doc.Box()->m_list.pHead; n != doc.Box()->m_list.pTail; n = n->pNext)
    shape += n->pObj->m_wCode == SEG_LINK ? 'L' : n->pObj->m_wCode == KV_CODE_NEWLINE ? 'n' : '?';
  return shape;
}

}  // namespace

TEST(LinkInsert, DroppedFilesMakeRowsOfLinks) {
  std::vector<std::string> paths;
  for (int i = 0; i < 12; ++i) paths.push_back(TestFolder() + "drop" + std::to_string(i) + ".txt");
  HGLOBAL drop = GlobalOf(DropFilesBytes(paths));
  KVDocText rows;
  rows.Insert(CF_HDROP, drop, CPoint());
  EXPECT_EQ("LLLLLnLLLLLnLL", Shape(rows));
  EXPECT_EQ(paths[11], static_cast<KVObjLink*>(rows.Box()->m_list.pTail->pPrev->pObj)->m_szPath);

  MakeConfigFolder();
  KVWriteProfileInt("OPTION", "LinksOfLine", 0);
  KVDocText oneLine;
  oneLine.Insert(CF_HDROP, drop, CPoint());
  RemoveSettingsFile();
  EXPECT_EQ("LLLLLLLLLLLL", Shape(oneLine));
  GlobalFree(drop);
}

TEST(LinkInsert, AnAddressBecomesOneLink) {
  const char url[] = "https://example.com/page";
  HGLOBAL block = GlobalOf(std::string(url, sizeof url));
  KVDocText doc;
  doc.Insert(static_cast<int>(KVGetClipboardFormats().url), block, CPoint());
  GlobalFree(block);
  auto* link = dynamic_cast<KVObjLink*>(doc.Box()->m_list.pHead->pObj);
  ASSERT_NE(nullptr, link);
  EXPECT_EQ(FT_URL, link->FileType());
  EXPECT_EQ(url, link->m_strCaption);
}

TEST(LinkExtend, AMemoLinkBecomesTheMemosContentOthersStay) {
  std::string memo = WriteMemo("extend.kvm", "inside");
  std::string text = TestFolder() + "plain.txt";
  WriteWholeFile(text, "not a memo");
  KVDocText doc;
  doc.Insert(const_cast<char*>("<"));
  KVFile memoFile, textFile;
  memoFile.Attach(memo.c_str());
  textFile.Attach(text.c_str());
  doc.Insert(new KVObjLink(nullptr, textFile));
  doc.Insert(new KVObjLink(nullptr, memoFile));
  doc.Insert(const_cast<char*>(">"));

  doc.SetCurPos(doc.Box()->m_list.pHead->pNext);  // the text file's link
  EXPECT_EQ(0, doc.ExtendLink());
  doc.SelectAll();
  EXPECT_EQ(1, doc.ExtendLink());
  EXPECT_EQ("?L???????", Shape(doc));  // "<", the text link, "inside", ">"
  std::string all = TextOf(doc);
  EXPECT_NE(std::string::npos, all.find("inside>"));
  EXPECT_EQ(doc.Box()->m_list.pHead, doc.GetSelTop());  // the selection spans the result
  EXPECT_EQ(doc.Box()->m_list.pTail, doc.GetSelEnd());
  doc.Undo();
  EXPECT_EQ("?LL?", Shape(doc));
}

// A memo that cannot be read leaves its link in place, recorded nowhere, and says why; one
// that can is expanded beside it.
TEST(LinkExtend, AnUnreadableMemoChangesNothingAndIsReported) {
  const Bytes newer = DocHead("", 513) + PageSegment() + BoxHead(0, 0xFFFFFF, 400, 0) + "x" +
                      BoxTail() + "\xFF\xFF";
  WriteWholeFile(TestFolder() + "newer.kvm", newer);
  const std::string good = WriteMemo("good.kvm", "ok");
  const Bytes whole = ReadWholeFile(good);
  WriteWholeFile(TestFolder() + "cut.kvm", whole.substr(0, whole.size() - 5));  // no box end
  const struct {
    const char* name;
    int result;
  } cases[] = {
      {"newer.kvm", KV_ERR_VERSION}, {"cut.kvm", KV_ERR_READ_WRITE}, {"gone.kvm", KV_ERR_OPEN}};
  for (const auto& c : cases) {
    KVDocText doc;
    KVFile target;
    target.Attach((TestFolder() + c.name).c_str());
    doc.Insert(const_cast<char*>("<"));
    doc.Insert(new KVObjLink(nullptr, target));
    doc.Insert(const_cast<char*>(">"));
    doc.ClearDerty();
    LIST* link = doc.Box()->m_list.pHead->pNext;
    doc.SetCurPos(link);
    EXPECT_EQ(c.result, doc.ExtendLink()) << c.name;
    doc.SetSel(link, link->pNext);
    EXPECT_EQ(c.result, doc.ExtendLink()) << c.name;
    EXPECT_EQ("?L?", Shape(doc)) << c.name;
    EXPECT_EQ(link, doc.GetSelTop());
    EXPECT_FALSE(doc.CanUndo()) << c.name;

    KVFile goodFile;
    goodFile.Attach(good.c_str());
    doc.SetCurPos(doc.Box()->m_list.pTail);
    doc.Insert(new KVObjLink(nullptr, goodFile));
    doc.SelectAll();
    EXPECT_EQ(1, doc.ExtendLink()) << c.name;  // the readable one is expanded all the same
    EXPECT_EQ("?L???", Shape(doc)) << c.name;
  }
}

TEST(LinkCopy, ACopyOfAnOpenLinkOpensItsOwnDocument) {
  std::string memo = WriteMemo("copied.kvm", "shown");
  KVFile file;
  file.Attach(memo.c_str());
  KVObjLink link(nullptr, file);
  link.Open();
  ASSERT_NE(nullptr, link.m_pChild);
  link.m_pChild->m_nScrollY = 7;
  KVObjLink copy(link);
  ASSERT_NE(nullptr, copy.m_pChild);
  EXPECT_NE(link.m_pChild, copy.m_pChild);
  EXPECT_EQ(7, copy.m_pChild->m_nScrollY);
  EXPECT_EQ(link.cy, copy.cy);
}

TEST(DocDraw, BackgroundScrolledContentAndFrame) {
  KVDocText doc;
  doc.Box()->m_crBackColor = RGB(0, 0, 255);
  doc.m_nAttr = 1;
  doc.x = 2;
  doc.y = 2;
  doc.SetSize(CSize(60, 40));
  doc.Insert(const_cast<char*>("\r\n\r\n\r\n\r\n\r\n"));
  doc.SelectAll();
  Canvas canvas(80, 60);
  {
    KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
    doc.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 80, 60), true);
  }
  EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(1, 1));  // outside the document
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(2, 2));        // the frame's corner
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(61, 41));      // one pixel inside right and bottom
  EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(62, 42));
  // The selected line breaks are inverted blue: yellow.
  EXPECT_EQ(RGB(255, 255, 0), canvas.Pixel(4, 4));

  doc.m_nScrollY = 1000;  // scrolled past the text: only the background shows
  Canvas scrolled(80, 60);
  {
    KVPaintPass pass(&scrolled.cdc, 0, g_DefaultFont);
    doc.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 80, 60), true);
  }
  EXPECT_EQ(RGB(0, 0, 255), scrolled.Pixel(20, 20));
}
