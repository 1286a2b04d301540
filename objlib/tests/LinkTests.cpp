// Links: captions, sizes and the open switch, the segment in both layouts, nested memos
// opened in place, reloading, and bodies that lie.
#include <gtest/gtest.h>

#include <cstring>

#include "KVErrors.h"
#include "LinkMemoSupport.h"

namespace {

Bytes SegmentOf(KVObject& object) {
  Bytes out(object.DataLength(), '\0');
  int written = 0;
  object.GetData(&out[0], static_cast<int>(out.size()), &written);
  return out;
}

int Read(KVObjLink& link, const Bytes& bytes, int version = 512) {
  return link.SetData(version, reinterpret_cast<SEG_HEAD*>(const_cast<char*>(bytes.data())),
                      static_cast<int>(bytes.size()));
}

Bytes LinkRecord(const std::string& path) {
  Bytes record = U16(1) + U32(0) + path + Bytes(260 - path.size(), '\0') + Bytes(260, '\0');
  return record;
}

}  // namespace

TEST(LinkCaption, ModesAndTheUntitledName) {
  std::string path = TestFolder() + "Report.final.txt";
  WriteWholeFile(path, "x");
  KVObjLink* link = LinkTo(path);
  EXPECT_EQ(FT_TEXT, link->FileType());
  EXPECT_EQ("Report.final.txt", link->m_strCaption);  // a file link: name and extension
  link->m_nAttr = LA_FILENAME | LA_HIDEPATH | LA_HIDEEXT;
  char text[64];
  int written = 0;
  link->GetText(text, sizeof text, &written);
  EXPECT_STREQ("Report.final", text);
  link->m_nAttr = LA_FILENAME | LA_DOCNAME;  // a text file has no title
  link->GetText(text, sizeof text, &written);
  EXPECT_STREQ("無題", text);
  link->m_nAttr = 0;
  link->m_strCaption.clear();
  EXPECT_EQ(4, link->TextLength());
  EXPECT_EQ(4, link->GetText(text, 4, &written));  // no room for the zero: nothing
  EXPECT_EQ(0, written);
  delete link;

  KVObjLink* url = LinkTo("http://example.com/a");
  EXPECT_EQ("http://example.com/a", url->m_strCaption);
  delete url;
}

TEST(LinkSize, OpensAtTwiceTheRowHeight) {
  std::string memo = WriteMemo("small.kvm", "hello", "Small");
  KVObjLink* link = LinkTo(memo);
  const int h = link->MinSize().cy;
  EXPECT_EQ(h, link->cy);
  EXPECT_EQ(nullptr, link->m_pChild);
  EXPECT_STREQ("Small", link->m_szDocName);
  link->SetSize(CSize(200, 2 * h - 1));
  EXPECT_EQ(h, link->cy);
  EXPECT_EQ(nullptr, link->m_pChild);
  link->SetSize(CSize(200, 2 * h));
  ASSERT_NE(nullptr, link->m_pChild);
  EXPECT_TRUE(link->m_nAttr & LA_OPEN);
  EXPECT_EQ("hello", TextOf(*static_cast<KVDocText*>(link->m_pChild)));
  link->Close();
  EXPECT_EQ(nullptr, link->m_pChild);
  EXPECT_FALSE(link->m_nAttr & LA_OPEN);
  delete link;

  KVObjLink* missing = LinkTo(TestFolder() + "gone.dat");
  EXPECT_EQ(FT_MISSING, missing->FileType());
  missing->SetSize(CSize(100, 500));
  EXPECT_EQ(missing->MinSize().cy, missing->cy);  // a missing target never opens
  delete missing;
}

TEST(LinkSegment, RoundTripInTheCurrentLayout) {
  std::string memo = WriteMemo("target.kvm", "t");
  KVObjLink* link = LinkTo(memo, "caption 見出し");
  link->x = 11;
  link->y = 12;
  Bytes saved = SegmentOf(*link);
  EXPECT_EQ(6 + 563 + static_cast<int>(link->m_strCaption.size()), static_cast<int>(saved.size()));
  // The target lies in the profile folder: stored with %usr%.
  EXPECT_EQ(0, std::memcmp(saved.data() + 38 + 6, "%usr%files\\target.kvm", 21));
  char small[8];
  int written = -1;
  EXPECT_EQ(static_cast<int>(saved.size()), link->GetData(small, sizeof small, &written));
  EXPECT_EQ(0, written);

  KVObjLink back;
  EXPECT_EQ(static_cast<int>(saved.size()), Read(back, saved));
  EXPECT_EQ(link->m_nAttr, back.m_nAttr);
  EXPECT_EQ(link->m_crBackColor, back.m_crBackColor);
  EXPECT_EQ(11, back.x);
  EXPECT_EQ(link->cx, back.cx);
  EXPECT_EQ(link->m_strCaption, back.m_strCaption);
  EXPECT_STREQ(memo.c_str(), back.m_szPath);
  EXPECT_FALSE(back.m_bDerty);
  EXPECT_EQ(saved, SegmentOf(back));
  delete link;
}

TEST(LinkSegment, OldLayoutReadsAndSavesEightBytesLonger) {
  std::string target = TestFolder() + "old.txt";
  WriteWholeFile(target, "x");
  Bytes body = U32(0x20000001) + U32(RGB(1, 2, 3)) + U32(150) + U32(10) + U32(0) + U32(0) +
               LinkRecord(target) + U32(3) + "abc" + Bytes(1, '\0');
  Bytes old = Segment(SEG_LINK, body);
  KVObjLink link;
  EXPECT_EQ(static_cast<int>(old.size()), Read(link, old, 255));
  EXPECT_EQ(0, link.x);
  EXPECT_EQ(150, link.cx);
  EXPECT_EQ("abc", link.m_strCaption);
  EXPECT_EQ(RGB(1, 2, 3), link.m_crBackColor);
  EXPECT_STREQ(target.c_str(), link.m_szPath);
  EXPECT_EQ(old.size() + 8, SegmentOf(link).size());
}

TEST(LinkSegment, LyingBodiesAreRefused) {
  std::string target = TestFolder() + "t.txt";
  Bytes good = Segment(SEG_LINK, U32(0) + U32(0) + U32(0) + U32(0) + U32(100) + U32(10) + U32(0) +
                                     U32(0) + LinkRecord(target) + U32(2) + "ok" + Bytes(1, '\0'));
  KVObjLink link;
  ASSERT_EQ(static_cast<int>(good.size()), Read(link, good));
  Bytes unterminated = good.substr(0, good.size() - 1);
  KVWriteU32(&unterminated[2], static_cast<uint32_t>(unterminated.size() - 6));
  Bytes shortBody = Segment(SEG_LINK, Bytes(100, '\0'));
  Bytes lyingLength = good;
  KVWriteU32(&lyingLength[2], 100000);
  for (const Bytes& bad : {unterminated, shortBody, lyingLength, good.substr(0, 300)})
    EXPECT_EQ(KV_ERR_READ_WRITE, Read(link, bad));
  EXPECT_EQ("ok", link.m_strCaption);
}

// A stored path whose expansion does not fit 259 bytes names no file that can be reached,
// but it is still the link's target: the link stays closed and crossed out, cannot be
// started or read, and every save writes the record it read.
TEST(LinkSegment, AnUnexpandableTargetSurvivesTwoSaves) {
  const Bytes record = LinkRecord("%usr%" + std::string(250, 'a') + ".kvm");  // 259 bytes
  const Bytes body = U32(0x78000001) + U32(0xFFFFFF) + U32(0) + U32(0) + U32(200) + U32(300) +
                     U32(0) + U32(0) + record + U32(1) + "m" + Bytes(1, '\0');
  const std::string path = WriteMemo("unexpandable.kvm", "a" + Segment(SEG_LINK, body) + "b");
  Bytes firstSave;
  for (int save = 1; save <= 2; ++save) {
    KVDocText doc;
    KVFile file;
    file.Attach(path.c_str());
    ASSERT_EQ(1, doc.Load(&file));
    KVObjLink* link = FirstLink(doc);
    ASSERT_NE(nullptr, link);
    EXPECT_EQ(FT_MISSING, link->FileType());
    EXPECT_EQ(nullptr, link->m_pChild);  // a memo link 300 high would open its target
    EXPECT_EQ(link->MinSize().cy, link->cy);
    EXPECT_EQ(KV_ERR_TOO_LONG, link->Action());
    void* block = nullptr;
    EXPECT_EQ(KV_ERR_TOO_LONG, link->GetLinkFileData(&block));
    EXPECT_EQ(record.substr(6, 259), link->m_szPath);  // shown as stored, in the caption too
    ASSERT_GE(doc.Save(nullptr, &file), 0);
    const Bytes saved = ReadWholeFile(path);
    const size_t at = saved.find(U16(SEG_LINK) + U32(static_cast<unsigned>(body.size())));
    ASSERT_NE(Bytes::npos, at);
    EXPECT_EQ(record, saved.substr(at + 38, record.size())) << "save " << save;
    if (save == 1) firstSave = saved;
    EXPECT_EQ(firstSave, saved);
  }
}

TEST(LinkNesting, OnlyTwoLevelsOfMemosOpenInPlace) {
  std::string d = WriteMemo("d.kvm", "deepest");
  std::string c = WriteMemo("c.kvm", MemoLinkingTo(d));
  std::string b = WriteMemo("b.kvm", MemoLinkingTo(c));
  std::string a = WriteMemo("a.kvm", MemoLinkingTo(b));
  KVDocText top;
  KVFile file;
  file.Attach(a.c_str());
  ASSERT_EQ(1, top.Load(&file));
  KVObjLink* toB = FirstLink(top);
  ASSERT_NE(nullptr, toB);
  ASSERT_NE(nullptr, toB->m_pChild);  // b opens in place
  KVObjLink* toC = FirstLink(*static_cast<KVDocText*>(toB->m_pChild));
  ASSERT_NE(nullptr, toC);
  ASSERT_NE(nullptr, toC->m_pChild);  // c opens inside b
  KVObjLink* toD = FirstLink(*static_cast<KVDocText*>(toC->m_pChild));
  ASSERT_NE(nullptr, toD);
  EXPECT_EQ(nullptr, toD->m_pChild);  // no third level
}

TEST(LinkNesting, AMemoReadInPartIsShownButNotWhole) {
  const std::string path = WriteMemo("part.kvm", Bytes());
  KVObjLink* whole = LinkTo(path);
  whole->Open();
  EXPECT_TRUE(whole->IsChildWhole());
  WriteWholeFile(path, ReadWholeFile(path) + "left over");
  KVObjLink* part = LinkTo(path);
  part->Open();
  ASSERT_NE(nullptr, part->m_pChild);
  EXPECT_FALSE(part->IsChildWhole());
  delete whole;
  delete part;
}

TEST(LinkReload, AChangedFileIsReadAgainNestedLinksTooUnlessEditedInPlace) {
  std::string inner = WriteMemo("inner.kvm", "first");
  std::string outer = WriteMemo("outer.kvm", MemoLinkingTo(inner));
  KVObjLink* link = LinkTo(outer);
  link->Open();
  KVObjLink* nested = FirstLink(*static_cast<KVDocText*>(link->m_pChild));
  ASSERT_NE(nullptr, nested);
  ASSERT_NE(nullptr, nested->m_pChild);
  WriteMemo("inner.kvm", "second");
  KVFile changed;
  changed.Attach(inner.c_str());
  link->ReloadLinkFile(changed.GetLink());  // another file: passed on to nested links
  nested = FirstLink(*static_cast<KVDocText*>(link->m_pChild));
  EXPECT_EQ("second", TextOf(*static_cast<KVDocText*>(nested->m_pChild)));

  // Unsaved edits in place stay; when the link lets them go, the editor is told first.
  KVDocText* edited = ChildText(nested);
  edited->Insert(const_cast<char*>("x"));
  WriteMemo("inner.kvm", "third");
  link->ReloadLinkFile(changed.GetLink());
  link->ReloadLinkFile(nullptr);
  nested = FirstLink(*ChildText(link));
  ASSERT_EQ(edited, ChildText(nested));
  EXPECT_EQ("xsecond", TextOf(*edited));
  static KVObjDoc* told = nullptr;
  KVObjLink::SetChildEditsHandler([](KVObjDoc* child) { told = child; });
  nested->Close();
  KVObjLink::SetChildEditsHandler(nullptr);
  EXPECT_EQ(edited, told);
  delete link;
}
