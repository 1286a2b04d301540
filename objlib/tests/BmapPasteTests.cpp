// Pasting a bitmap: 16 colours, 256 colours and true colour from the real clipboard into a
// memo, saved, loaded again, and drawn pixel for pixel; a handle that is no bitmap.
#include <gtest/gtest.h>

#include "Canvas.h"
#include "DocSupport.h"
#include "KVFont.h"
#include "KVObjBmap.h"
#include "KVPaintPass.h"
#include "PictureSupport.h"

namespace {

LIST* BitmapNode(KVDocText& doc) {
  for (LIST* n = doc.Box()->m_list.pHead; n; n = n->pNext)
    if (dynamic_cast<KVObjBmap*>(n->pObj)) return n;
  return nullptr;
}

KVObjBmap* FirstBitmap(KVDocText& doc) {
  LIST* node = BitmapNode(doc);
  return node ? static_cast<KVObjBmap*>(node->pObj) : nullptr;
}

void PutBitmapOnClipboard(HBITMAP bitmap) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_BITMAP, bitmap);
  CloseClipboard();
}

int SaveAndLoad(KVDocText& doc, KVDocText& loaded, const std::string& name) {
  KVFile file;
  file.Attach((TestFolder() + name).c_str());
  int saved = doc.Save(nullptr, &file);
  return saved < 0 ? saved : loaded.Load(&file);
}

}  // namespace

TEST(BmapPaste, ClipboardBitmapsSurviveSaveAndLoadPixelForPixel) {
  for (int bits : {4, 8, 24}) {
    SCOPED_TRACE(bits);
    PatternBitmap source(30, 16, bits);
    PutBitmapOnClipboard(source.Release());
    KVDocText doc;
    doc.SetSize(CSize(200, 100));
    doc.Insert(const_cast<char*>("ab"));
    doc.GetClipboard(CPoint(0, 0));
    KVObjBmap* pasted = FirstBitmap(doc);
    ASSERT_NE(nullptr, pasted);
    EXPECT_EQ(bits, pasted->m_pInfo->bmiHeader.biBitCount);
    EXPECT_EQ(30, pasted->cx);
    EXPECT_EQ(16, pasted->cy);
    EXPECT_EQ(pasted, doc.GetCurPos()->pPrev->pObj);  // the caret stands after the picture

    KVDocText loaded;
    loaded.SetSize(CSize(200, 100));
    ASSERT_EQ(1, SaveAndLoad(doc, loaded, "pasted.kvm"));
    KVObjBmap* read = FirstBitmap(loaded);
    ASSERT_NE(nullptr, read);
    Canvas canvas(200, 100);
    {
      KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
      loaded.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 200, 100), false);
    }
    CRect at = loaded.GetCharRect(BitmapNode(loaded));
    ASSERT_EQ(30, at.right - at.left);
    // Inside the frame: the picture one pixel in, its last column and row under the frame.
    EXPECT_EQ(0, Mismatches(canvas, RECT{at.left + 1, at.top + 1, at.right - 1, at.bottom - 1},
                            [&](int px, int py) { return source.At(px, py); }));
  }
}

TEST(BmapPaste, AHandleThatIsNoBitmapPastesNothing) {
  KVDocText doc;
  doc.Insert(const_cast<char*>("x"));
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  doc.Insert(CF_BITMAP, brush, CPoint(0, 0));
  doc.Insert(CF_BITMAP, nullptr, CPoint(0, 0));
  DeleteObject(brush);
  EXPECT_EQ(nullptr, FirstBitmap(doc));
  EXPECT_EQ("x", TextOf(doc));
}
