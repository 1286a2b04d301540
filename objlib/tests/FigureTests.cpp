// Figure memos: a file built by hand from the format tables loads, draws and saves byte
// for byte; hostile geometry stays within bounds; memos that link to themselves open and
// expand without end; selections cut out into a new figure memo.
#include <gtest/gtest.h>

#include "Canvas.h"
#include "FigureGeometry.h"
#include "FigureSupport.h"
#include "KVObjBmap.h"
#include "KVObjLink.h"
#include "KVPaintPass.h"
#include "MemoKind.h"
#include "PictureSupport.h"

namespace {

const COLORREF kFigureBack = RGB(0xC0, 0xFF, 0xC0);
const COLORREF kLinkBack = RGB(0xFF, 0xC0, 0xC0);
const COLORREF kWhite = RGB(255, 255, 255);

// A nested text box with no text, placed in the figure.
Bytes EmptyTextBoxAt(int x, int y, int width, int height) {
  return Segment(SEG_TBOX, U32(1) + U32(0xF0F0F0) + U32(x) + U32(y) + U32(width) + U32(height)) +
         BoxTail();
}

// Characters, a text box, a picture, a link and an unknown segment, the picture and the
// text box below the link although they come first.
Bytes MixedRun() {
  WriteWholeFile(TestFolder() + "target.dat", "x");
  const Bytes pixels = Bytes("\x01\x02\x03\x04\x05\x06\0\0\x07\x08\x09\x0A\x0B\x0C\0\0\0\0", 18);
  return Bytes("A\x82\xA0") + EmptyTextBoxAt(10, 160, 100, 30) +
         BmapSegment(1, 200, 150, 2, 2, 2, 2, 24, pixels) +
         LinkSegment(LA_BORDER, kLinkBack, 40, 20, 120, 100, StoredInProfile("target.dat"), "L") +
         Segment(0xFF50, "xyz");
}

void DrawDoc(KVObjDoc& doc, Canvas& canvas, CRect clip) {
  KVPaintPass pass(&canvas.cdc, 0, JapaneseFont());
  doc.Draw(pass.Info(), CPoint(0, 0), clip, true);
}

KVObjLink* LinkIn(KVObjDoc& doc) {
  for (LIST* n = doc.m_pContent->m_list.pHead; n; n = n->pNext)
    if (auto* link = dynamic_cast<KVObjLink*>(n->pObj)) return link;
  return nullptr;
}

}  // namespace

TEST(FigureMemo, AHandBuiltFileLoadsDrawsAndSavesByteForByte) {
  const std::string path = WriteFigureMemo("mixed.kvm", MixedRun(), FigureHead(1, kFigureBack, 300, 200));
  const Bytes original = ReadWholeFile(path);
  EXPECT_TRUE(KVIsFigureMemo(path.c_str()));
  KVDocFig doc;
  ASSERT_EQ(1, LoadFile(doc, path));
  KVObjFBox& box = *doc.Box();
  EXPECT_EQ(1u, box.m_nAttr);
  EXPECT_EQ(kFigureBack, box.m_crBackColor);
  EXPECT_EQ(kFigureBack, doc.m_crBackColor);
  EXPECT_EQ(300, box.m_nWidth);
  EXPECT_EQ(CSize(300, 200), CSize(box.cx, box.cy));
  EXPECT_EQ(Codes(box.m_list.pHead),
            (std::vector<unsigned>{'A', 0x82A0, SEG_TBOX, SEG_BMAP, SEG_LINK, 0xFF50, 0xFFFF}));
  const KVObject* link = ChildAt(box, 4)->pObj;
  EXPECT_EQ(CRect(40, 20, 160, 120), CRect(link->x, link->y, link->x + link->cx, link->y + link->cy));
  EXPECT_FALSE(doc.IsDerty());

  // The view is as wide as the stored width, so nothing that is saved changes.
  doc.SetSize(CSize(300, 240));
  Canvas canvas(320, 260);
  DrawDoc(doc, canvas, CRect(0, 0, 320, 260));
  EXPECT_EQ(kFigureBack, canvas.Pixel(250, 100));   // the box's background
  EXPECT_EQ(kFigureBack, canvas.Pixel(150, 220));   // the document below the box
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(150, 199));  // the frame, inside the bottom edge
  EXPECT_EQ(kWhite, canvas.Pixel(310, 10));         // outside the document
  EXPECT_EQ(kLinkBack, canvas.Pixel(157, 23));      // the link's caption row
  // Children lie in no particular order: the link, listed after children lower down, is
  // drawn when only the top band is repainted.
  Canvas band(320, 260);
  DrawDoc(doc, band, CRect(0, 0, 320, 100));
  EXPECT_EQ(kLinkBack, band.Pixel(157, 23));
  EXPECT_EQ(kWhite, band.Pixel(250, 120));

  const std::string copy = TestFolder() + "mixed-copy.kvm";
  ASSERT_EQ(0, SaveFile(doc, copy));
  EXPECT_EQ(original, ReadWholeFile(copy));
  KVFile textFile;
  textFile.Attach((TestFolder() + "mixed.txt").c_str());
  ASSERT_EQ(0, doc.SaveText(&textFile));
  EXPECT_EQ(Bytes("A\x82\xA0L"), ReadWholeFile(TestFolder() + "mixed.txt"));
  EXPECT_EQ(Bytes("A\x82\xA0L"), [&] {
    std::string text(box.TextLength(), '\0');
    int written = 0;
    box.GetText(&text[0], static_cast<int>(text.size()), &written);
    return text.substr(0, written);
  }());
}

TEST(FigureMemo, AbsurdPlacesAndSizesAreKeptWithinBoundsAndDamageChangesNothing) {
  WriteWholeFile(TestFolder() + "target.dat", "x");
  const Bytes run = LinkSegment(LA_BORDER, kLinkBack, -5, 0x7FFFFFF0, 0x7FFFFFFF, 400,
                                StoredInProfile("target.dat"), "far") +
                    EmptyTextBoxAt(-70000, -1, -20, 0x7FFFFFFF);
  const std::string path = WriteFigureMemo("absurd.kvm", run, FigureHead(0, 0, -1, 0x7FFFFFFF));
  KVDocFig doc;
  ASSERT_EQ(1, LoadFile(doc, path));
  KVObjFBox& box = *doc.Box();
  EXPECT_EQ(0, box.m_nWidth);
  EXPECT_EQ(kFigureMaxCoord, box.cy);
  for (LIST* n = box.m_list.pHead; n != box.m_list.pTail; n = n->pNext) {
    const KVObject* o = n->pObj;
    EXPECT_TRUE(o->x >= 0 && o->y >= 0 && o->cx >= 0 && o->cy >= 0);
    EXPECT_LE(o->x + o->cx, 2 * kFigureMaxCoord);
    EXPECT_LE(o->y + o->cy, 2 * kFigureMaxCoord);
  }
  EXPECT_EQ(CPoint(0, kFigureMaxCoord), CPoint(ChildAt(box, 0)->pObj->x, ChildAt(box, 0)->pObj->y));
  // Moving far past the bounds stops at them; the extent follows.
  box.SelectAll(true);
  EXPECT_EQ(2, box.MoveSelected(0x7FFFFFFF, -0x7FFFFFFF));
  EXPECT_LE(box.cx, 2 * kFigureMaxCoord);
  EXPECT_EQ(kFigureMaxCoord, ChildAt(box, 0)->pObj->x);
  EXPECT_EQ(0, ChildAt(box, 0)->pObj->y);
  Canvas canvas(64, 64);
  DrawDoc(doc, canvas, CRect(0, 0, 64, 64));

  // A head cut short, or a run without its tail, leaves the document as it was.
  const Bytes bytes = ReadWholeFile(path);
  const size_t content = bytes.size() - run.size() - 30 - 6 - 2;
  for (size_t cut : {content + 12, bytes.size() - 8}) {
    SCOPED_TRACE(cut);
    WriteWholeFile(TestFolder() + "cut.kvm", bytes.substr(0, cut));
    EXPECT_LT(LoadFile(doc, TestFolder() + "cut.kvm"), 0);
    EXPECT_EQ(2, ChildCount(*doc.Box()));
  }
}

// Memos opened in place inside memos opened in place stop two levels below the top one,
// whether the memo links to itself or through a text memo back to itself.
TEST(FigureMemo, MemosNeverOpenInPlaceInsideThemselves) {
  const std::string self = TestFolder() + "self.kvm";
  WriteFigureMemo("self.kvm", LinkSegment(LA_BORDER, kLinkBack, 0, 0, 200, 150,
                                          StoredInProfile("self.kvm"), "self"));
  KVDocFig doc;
  ASSERT_EQ(1, LoadFile(doc, self));
  KVObjLink* top = LinkIn(doc);
  ASSERT_TRUE(top);
  EXPECT_EQ(nullptr, top->m_pChild);

  // Figure A links to text memo B, B back to A.
  WriteFigureMemo("a.kvm", LinkSegment(LA_BORDER, 0xFFFFFF, 0, 0, 200, 150, StoredInProfile("b.kvm"), "b"));
  KVDocText forB;
  KVFile fileA;
  fileA.Attach((TestFolder() + "a.kvm").c_str());
  auto* toA = new KVObjLink("a", fileA);
  forB.Insert(toA);
  toA->SetSize(CSize(200, 150));
  ASSERT_EQ(0, SaveFile(forB, TestFolder() + "b.kvm"));
  KVDocFig a;
  ASSERT_EQ(1, LoadFile(a, TestFolder() + "a.kvm"));
  KVObjLink* ab = LinkIn(a);
  ASSERT_TRUE(ab && dynamic_cast<KVDocText*>(ab->m_pChild));
  KVObjLink* ba = LinkIn(*ab->m_pChild);
  ASSERT_TRUE(ba);
  EXPECT_EQ(nullptr, ba->m_pChild);
  // Opened from a text memo, figure A opens as a figure, and B inside it.
  KVDocText fromText;
  ASSERT_EQ(1, LoadFile(fromText, TestFolder() + "b.kvm"));
  KVObjLink* toFigure = LinkIn(fromText);
  ASSERT_TRUE(toFigure && dynamic_cast<KVDocFig*>(toFigure->m_pChild));
  KVObjLink* back = LinkIn(*toFigure->m_pChild);
  ASSERT_TRUE(back);
  EXPECT_EQ(nullptr, back->m_pChild);
}

TEST(FigureMemo, ExpandingALinkToItsOwnMemoGoesOneLevelPerRequest) {
  const std::string self = WriteFigureMemo(
      "loop.kvm", LinkSegment(LA_BORDER, 0xFFFFFF, 30, 40, 80, 20, StoredInProfile("loop.kvm"), "loop"));
  KVDocFig doc;
  ASSERT_EQ(1, LoadFile(doc, self));
  KVObjFBox& box = *doc.Box();
  LIST* original = box.m_list.pHead;
  EXPECT_EQ(0, doc.ExtendLink());  // nothing selected
  box.SelectAll(true);
  EXPECT_EQ(1, doc.ExtendLink());
  ASSERT_EQ(1, ChildCount(box));
  EXPECT_NE(original, box.m_list.pHead);  // the memo's own link took the old one's place
  EXPECT_FALSE(box.HaveSelectData());
  EXPECT_EQ(0, doc.ExtendLink());
  doc.Undo();
  EXPECT_EQ(original, box.m_list.pHead);
  // A memo that is gone leaves its link, and the error is reported.
  KVFile gone;
  gone.Attach((TestFolder() + "gone.kvm").c_str());
  doc.Insert(new KVObjLink("gone", gone));
  doc.ClearDerty();
  box.SelectAll(false);
  box.Select(0, CPoint(1, 1));
  EXPECT_LT(doc.ExtendLink(), 0);
  EXPECT_EQ(2, ChildCount(box));
  EXPECT_FALSE(doc.CanUndo());

  // A text memo expands a figure memo into the figure's objects, heads left out.
  KVDocText text;
  KVFile file;
  file.Attach(self.c_str());
  text.Insert(new KVObjLink("loop", file));
  text.SelectAll();
  EXPECT_EQ(1, text.ExtendLink());
  EXPECT_EQ(Codes(text.Box()->m_list.pHead), (std::vector<unsigned>{SEG_LINK, 0xFFFF}));
}

TEST(FigureMemo, MakeLinkCutsTheSelectionIntoAFigureMemoAndLinksItAtTheOrigin) {
  KVDocFig doc;
  PatternBitmap first(8, 8, 24), second(6, 4, 24);
  doc.Insert(CF_BITMAP, first.Get(), CPoint(20, 30));
  doc.Insert(CF_BITMAP, second.Get(), CPoint(50, 60));
  doc.Select(0, CPoint(52, 61));
  KVFile target;
  target.Attach((TestFolder() + "cut-out.kvm").c_str());
  EXPECT_EQ(1, doc.MakeLink(&target, nullptr));
  KVObjFBox& box = *doc.Box();
  ASSERT_EQ(3, ChildCount(box));
  EXPECT_EQ(CPoint(50, 60), CPoint(ChildAt(box, 1)->pObj->x, ChildAt(box, 1)->pObj->y));
  const KVObject* link = ChildAt(box, 2)->pObj;
  EXPECT_EQ(SEG_LINK, link->m_wCode);
  EXPECT_EQ(CPoint(0, 0), CPoint(link->x, link->y));
  EXPECT_EQ("cut-out", static_cast<const KVObjLink*>(link)->m_strCaption);  // from the file

  EXPECT_TRUE(KVIsFigureMemo((TestFolder() + "cut-out.kvm").c_str()));
  KVDocFig cut;
  ASSERT_EQ(1, LoadFile(cut, TestFolder() + "cut-out.kvm"));
  ASSERT_EQ(1, ChildCount(*cut.Box()));
  const auto* picture = dynamic_cast<const KVObjBmap*>(ChildAt(*cut.Box(), 0)->pObj);
  ASSERT_TRUE(picture);
  EXPECT_EQ(CRect(50, 60, 56, 64), CRect(picture->x, picture->y, picture->x + picture->cx, picture->y + picture->cy));
}

TEST(FigureMemo, SelectedLinksOpenScrollAndCloseInPlace) {
  Bytes lines;
  for (int i = 0; i < 40; ++i) lines += "line\n";
  const std::string memo = WriteMemo("lines.kvm", lines);
  KVDocFig doc;
  KVFile file;
  file.Attach(memo.c_str());
  auto* link = new KVObjLink("lines", file);
  link->x = 10;
  link->y = 10;
  doc.Insert(link);
  LIST* node = doc.Box()->m_list.pHead;
  EXPECT_EQ(0, doc.OpenLink());  // nothing selected
  doc.SelectAll(true);
  EXPECT_EQ(1, doc.OpenLink());
  ASSERT_TRUE(link->m_pChild);
  EXPECT_EQ(link->y + link->cy, doc.Box()->cy);  // the extent follows the opened link
  EXPECT_TRUE(doc.DoChildVScroll(SB_LINEDOWN, 1, node));
  EXPECT_EQ(20, link->m_pChild->m_nScrollY);
  EXPECT_FALSE(doc.DoChildVScroll(SB_LINEDOWN, 1, nullptr));  // no caret to fall back to
  EXPECT_FALSE(doc.DoChildHScroll(SB_LINEDOWN, 1, nullptr));
  EXPECT_EQ(1, doc.CloseLink());
  EXPECT_EQ(nullptr, link->m_pChild);

  // Plain text replaces the content by characters at the origin.
  EXPECT_EQ(-1, doc.Box()->SetTextData(const_cast<char*>("")));
  EXPECT_EQ(1, ChildCount(*doc.Box()));
  EXPECT_EQ(0, doc.Box()->SetTextData(const_cast<char*>("ab\r\nc")));
  EXPECT_EQ(Codes(doc.Box()->m_list.pHead), (std::vector<unsigned>{'a', 'b', 10, 'c', 0xFFFF}));
  EXPECT_FALSE(doc.CanUndo());
}
