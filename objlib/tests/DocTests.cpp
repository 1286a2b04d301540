// Documents: golden files, load and save round trips, plain text, bad files, dirty state.
#include <gtest/gtest.h>

#include "DocSupport.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "SegWriter.h"

namespace {

Bytes Serialise(KVObjDoc& doc) {
  Bytes out(doc.DataLength(), '\0');
  int written = 0;
  doc.GetData(&out[0], static_cast<int>(out.size()), &written);
  EXPECT_EQ(static_cast<int>(out.size()), written);
  return out;
}

int LoadPath(KVObjDoc& doc, const std::string& path) {
  KVFile file;
  file.Attach(path.c_str());
  return doc.Load(&file);
}

int SavePath(KVObjDoc& doc, const std::string& path, WINDOWPLACEMENT* placement = nullptr) {
  KVFile file;
  file.Attach(path.c_str());
  return doc.Save(placement, &file);
}

Bytes RunOf(const char* text, COLORREF color, const LOGFONT& font) {
  LIST* chain = StrToList(text, color, &font);
  Bytes run(KVRunDataLength(chain, nullptr), '\0');
  KVWriteRun(chain, nullptr, &run[0], static_cast<int>(run.size()));
  KVFreeChain(chain);
  return run;
}

}  // namespace

TEST(DocFormat, EmptyTextDocumentIsTheFiveParts) {
  KVDocText doc;
  doc.m_strDocName = "名前";
  doc.Box()->m_nWidth = 500;
  doc.Box()->Layout(nullptr);
  Bytes expected = DocHead("名前") + PageSegment() +
                   BoxHead(doc.Box()->m_nAttr, doc.Box()->m_crBackColor, 500, doc.Box()->cy) +
                   BoxTail() + "\xFF\xFF";
  EXPECT_EQ(62 + 4 + 1 + 30 + 30 + 6 + 2, static_cast<int>(expected.size()));
  EXPECT_EQ(expected, Serialise(doc));
}

TEST(DocFormat, TwoCharactersInOneColourAndFont) {
  KVDocText doc;
  LOGFONT font = JapaneseFont();
  doc.Insert(StrToList("AB", RGB(0, 0, 128), &font));
  Bytes run = Segment(SEG_COLOR, U32(RGB(0, 0, 128))) + Segment(SEG_FONT, FontBody(font)) + "AB";
  Bytes expected = DocHead("") + PageSegment() +
                   BoxHead(doc.Box()->m_nAttr, doc.Box()->m_crBackColor, 0, doc.Box()->cy) + run +
                   BoxTail() + "\xFF\xFF";
  EXPECT_EQ(expected, Serialise(doc));
}

TEST(DocFile, HandBuiltFileLoadsAndSavesByteForByte) {
  LOGFONT font = JapaneseFont();
  Bytes placement = U32(44) + U32(0) + U32(1) + U32(-1) + U32(-1) + U32(-1) + U32(-1) + U32(10) +
                    U32(20) + U32(610) + U32(420);
  Bytes file = DocHead("メモ", 512, 5, 40, placement) + PageSegment(2, 9, 2970, 2100, 1000, 1500, 2500, 3000) +
               BoxHead(0x40000001, RGB(255, 255, 224), 480, 0) + RunOf("line one\r\n表示", 0, font) +
               Segment(0xFF31, "unknown kept") + RunOf("end", RGB(200, 0, 0), JapaneseFont(-24)) +
               BoxTail() + "\xFF\xFF";
  std::string path = TestFolder() + "golden.kvm";
  WriteWholeFile(path, file);
  KVDocText doc;
  ASSERT_EQ(1, LoadPath(doc, path));
  EXPECT_EQ("メモ", doc.m_strDocName);
  EXPECT_EQ(40, doc.m_nScrollY);
  EXPECT_EQ(610, doc.m_wndpl.rcNormalPosition.right);
  EXPECT_EQ(RGB(255, 255, 224), doc.m_crBackColor);
  EXPECT_FALSE(doc.IsDerty());
  // The height in the box head is the laid-out height; put it in to compare the rest.
  Bytes saved = Serialise(doc);
  Bytes expected = file;
  std::string heightAt = U32(doc.Box()->cy);
  expected.replace(DocHead("メモ").size() + 30 + 26, 4, heightAt);
  EXPECT_EQ(expected, saved);
  ASSERT_EQ(0, SavePath(doc, path));  // no placement: the loaded one is written again
  EXPECT_EQ(expected, ReadWholeFile(path));
}

TEST(DocFile, AFileWithoutHeadIsTheOldestFormat) {
  std::string path = TestFolder() + "headless.kvm";
  WriteWholeFile(path, Segment(SEG_TBOX, U32(0) + U32(0xFFFFFF) + U32(300) + U32(0)) + U16('o') +
                       U16('k') + BoxTail() + "\xFF\xFF");
  KVDocText doc;
  ASSERT_EQ(1, LoadPath(doc, path));
  EXPECT_EQ("ok", TextOf(doc));
  EXPECT_EQ(300, doc.Box()->m_nWidth);
}

TEST(DocFile, PlainTextTakesTheTextDefaults) {
  MakeConfigFolder();
  KVWriteProfileInt("TEXTBOX", "TextAttr", 0x40000000);
  KVWriteProfileInt("TEXTBOX", "TextBackColor", RGB(1, 2, 3));
  std::string path = TestFolder() + "notes.txt";
  WriteWholeFile(path, "first\r\nsecond\tend");
  KVDocText doc;
  doc.m_strDocName = "old";
  ASSERT_EQ(1, LoadPath(doc, path));
  RemoveSettingsFile();
  EXPECT_EQ("first\r\nsecond end", TextOf(doc));
  EXPECT_EQ(0x40000000u, doc.Box()->m_nAttr);
  EXPECT_EQ(RGB(1, 2, 3), doc.m_crBackColor);
  EXPECT_EQ("", doc.m_strDocName);
  EXPECT_STREQ(path.c_str(), doc.m_szPath);

  std::string empty = TestFolder() + "empty.txt";
  WriteWholeFile(empty, "");
  KVDocText blank;
  EXPECT_EQ(1, LoadPath(blank, empty));
  EXPECT_EQ("", TextOf(blank));
}

TEST(DocFile, NewerOrDamagedFilesChangeNothing) {
  LOGFONT font = JapaneseFont();
  std::string good = WriteMemo("good.kvm", RunOf("keep me", 0, font), "title");
  KVDocText doc;
  ASSERT_EQ(1, LoadPath(doc, good));
  Bytes before = Serialise(doc);

  std::string newer = TestFolder() + "newer.kvm";
  WriteWholeFile(newer, DocHead("new", 513) + PageSegment() + BoxHead(0, 0, 1, 1) + "x" + BoxTail() + "\xFF\xFF");
  EXPECT_EQ(KV_ERR_VERSION, LoadPath(doc, newer));
  EXPECT_EQ(before, Serialise(doc));

  Bytes whole = ReadWholeFile(good);
  for (size_t cut : {size_t(3), size_t(40), size_t(70), size_t(110), whole.size() - 9}) {
    std::string damaged = TestFolder() + "cut.kvm";
    WriteWholeFile(damaged, whole.substr(0, cut));
    EXPECT_EQ(KV_ERR_READ_WRITE, LoadPath(doc, damaged)) << cut;
    EXPECT_EQ(before, Serialise(doc)) << cut;
  }
  // A title that is not terminated inside its head, a page record too small.
  Bytes badHead = Segment(SEG_DOCHEAD, U32(512) + Bytes(52, '\0') + "no end");
  Bytes badPage = DocHead("") + Segment(SEG_PAGE, "tiny");
  for (const Bytes& head : {badHead, badPage}) {
    std::string damaged = TestFolder() + "bad.kvm";
    WriteWholeFile(damaged, head + BoxHead(0, 0, 1, 1) + "y" + BoxTail() + "\xFF\xFF");
    EXPECT_EQ(KV_ERR_READ_WRITE, LoadPath(doc, damaged));
    EXPECT_EQ(before, Serialise(doc));
  }
  EXPECT_EQ(KV_ERR_OPEN, LoadPath(doc, TestFolder() + "nosuch.kvm"));
}

TEST(DocFile, SavingCleansAFailedSaveKeepsEverything) {
  KVDocText doc;
  doc.Insert(const_cast<char*>("typed"));
  doc.m_page.SetPageSize(1, 9, 2970, 2100, 1, 2, 3, 4);
  EXPECT_TRUE(doc.IsDerty());
  std::string path = TestFolder() + "saved.kvm";
  ASSERT_EQ(0, SavePath(doc, path));
  EXPECT_FALSE(doc.IsDerty());
  EXPECT_FALSE(doc.CanUndo());
  Bytes onDisk = ReadWholeFile(path);

  doc.Insert(const_cast<char*>(" more"));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_LT(SavePath(doc, path), 0);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(doc.IsDerty());
  EXPECT_TRUE(doc.CanUndo());
  EXPECT_EQ(onDisk, ReadWholeFile(path));
  doc.Undo();
  EXPECT_EQ("typed", TextOf(doc));
}

TEST(DocScroll, InformationAndSteps) {
  KVDocText doc;
  doc.SetSize(CSize(200, 100));
  SCROLLINFO info = {};
  doc.m_nScrollY = 30;
  doc.GetScrollInfo(SB_VERT, &info);
  EXPECT_EQ(100000, info.nMax);  // the content fits
  EXPECT_EQ(99999u, info.nPage);
  EXPECT_EQ(0, info.nPos);
  EXPECT_EQ(0, doc.m_nScrollY);

  doc.Box()->cy = 170;  // content 70 pixels taller than the view
  doc.m_nScrollY = 500;
  doc.GetScrollInfo(SB_VERT, &info);
  EXPECT_EQ(170, info.nMax);
  EXPECT_EQ(100u, info.nPage);
  EXPECT_EQ(70, info.nPos);

  doc.m_nScrollY = 0;
  EXPECT_FALSE(doc.DoVScroll(SB_LINEUP, 1));
  EXPECT_TRUE(doc.DoVScroll(SB_LINEDOWN, 3));
  EXPECT_EQ(60, doc.m_nScrollY);
  EXPECT_TRUE(doc.DoVScroll(SB_LINEDOWN, 3));
  EXPECT_EQ(70, doc.m_nScrollY);
  EXPECT_FALSE(doc.DoVScroll(SB_LINEDOWN, 1));
  EXPECT_TRUE(doc.DoVScroll(SB_PAGEUP, 0));
  EXPECT_EQ(0, doc.m_nScrollY);
  EXPECT_TRUE(doc.DoVScroll(SB_THUMBTRACK, 999));
  EXPECT_EQ(70, doc.m_nScrollY);
  EXPECT_TRUE(doc.DoVScroll(SB_TOP, 0));
  EXPECT_FALSE(doc.DoVScroll(SB_TOP, 0));
  EXPECT_TRUE(doc.DoVScroll(SB_BOTTOM, 0));
  EXPECT_FALSE(doc.DoVScroll(SB_ENDSCROLL, 0));
  EXPECT_FALSE(doc.DoHScroll(SB_LINEDOWN, 1));  // nothing to scroll sideways
}
