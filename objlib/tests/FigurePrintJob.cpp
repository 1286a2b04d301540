// Prints a figure memo taller than a page on the default printer, as the print command
// does once the page-setup dialog is confirmed. scripts/print-figure-check.sh runs this
// program and checks the PDF that the print queue writes: one page, the top of the figure.
#include <gtest/gtest.h>

#include "FigureSupport.h"
#include "KVObjLink.h"
#include "PrintSupport.h"

namespace {

// A link showing its heading in a font whose characters the PDF maps back to text.
KVObjLink* HeadingAt(const char* heading, int x, int y) {
  KVFile file;
  file.Attach("http://example.com/");
  auto* link = new KVObjLink(heading, file);
  link->m_nAttr = LA_BORDER;  // the heading as caption
  LOGFONT font = LatinFont();
  link->ChangeFont(&font);
  link->x = x;
  link->y = y;
  return link;
}

}  // namespace

// print-figure-check.sh expects the first heading on the one page and never the second.
TEST(FigurePrintJob, AFigureTallerThanThePagePrintsOnePage) {
  KVDocFig doc;
  doc.Insert(HeadingAt("FIGURE TOP F001", 20, 20));
  doc.Insert(HeadingAt("FIGURE BELOW THE PAGE F999", 20, 5000));
  ASSERT_EQ(5000, doc.Box()->m_list.pHead->pNext->pObj->y);
  PrintOnDefaultPrinter(doc, "figure check");
  if (HasFatalFailure()) return;
  EXPECT_EQ(2, ChildCount(*doc.Box()));  // the printed copy leaves the figure as it was
  EXPECT_EQ(5000, doc.Box()->m_list.pHead->pNext->pObj->y);
}
