// Prints a memo taller than one page, headed by a stretched picture, on the default printer,
// as the print command does once the page-setup dialog is confirmed. scripts/print-check.sh
// runs this program and checks the PDF that the print queue writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "KVDocText.h"
#include "KVFont.h"
#include "KVObjBmap.h"
#include "PictureSupport.h"
#include "PrintSupport.h"

namespace {

// print-check.sh expects these lines, in this order, each whole on one page.
constexpr int kLines = 150;

// Lines "L001 日本語のメモを印刷します 001" .. "L150 ...", short enough not to wrap. The
// Japanese text needs a Japanese font on the printer; the numbers are in a font whose
// characters the PDF maps back to text, so the check can read them.
void FillNumberedLines(KVDocText& doc) {
  const LOGFONT latin = LatinFont();
  const LOGFONT japanese = JapaneseFont(-16);
  for (int i = 1; i <= kLines; ++i) {
    char number[8];
    std::snprintf(number, sizeof number, "%03d", i);
    doc.Insert(StrToList(("L" + std::string(number) + " ").c_str(), 0, &latin));
    doc.Insert(StrToList("日本語のメモを印刷します", 0, &japanese));
    doc.Insert(StrToList((" " + std::string(number) + "\r\n").c_str(), 0, &latin));
  }
}

// A 16 x 16 picture of four coloured quadrants stretched to 2.5 by 1.25 inches of the
// screen, so print-check.sh knows its printed size whatever the printer's resolution.
void AddStretchedPicture(KVDocText& doc) {
  PatternBitmap pattern(16, 16, 24);
  auto* picture = new KVObjBmap(pattern.Get());
  picture->m_nAttr = BA_STRETCH;
  const KVResolution screen = KVGetReferenceResolution();
  picture->SetSize(CSize(screen.x * 5 / 2, screen.y * 5 / 4));
  doc.Insert(picture);
  doc.Insert(StrToList("\r\n", 0, &g_DefaultFont));
}

}  // namespace

TEST(PrintJob, AConfirmedSetupStoresThePageAndPrintsTheMemo) {
  KVDocText doc;
  AddStretchedPicture(doc);
  FillNumberedLines(doc);
  doc.ClearDerty();
  PAGESIZE page;
  doc.m_page.GetPageSize(&page);
  PrintOnDefaultPrinter(doc, "print check");
  if (HasFatalFailure()) return;

  // Confirming without a change still stores the page, and the document needs saving.
  EXPECT_TRUE(doc.IsDerty());
  PAGESIZE stored;
  doc.m_page.GetPageSize(&stored);
  EXPECT_EQ(0, std::memcmp(&page, &stored, sizeof page));
}
