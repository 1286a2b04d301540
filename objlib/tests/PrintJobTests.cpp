// Prints a memo taller than one page on the default printer, as the print command does once
// the page-setup dialog is confirmed. scripts/print-check.sh runs this program and checks
// the PDF that the print queue writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "KVDocText.h"
#include "PrintSetup.h"
#include "TestSupport.h"

namespace {

// print-check.sh expects these lines, in this order, each whole on one page.
constexpr int kLines = 150;

LOGFONT LatinFont() {
  LOGFONT font = {};
  font.lfHeight = -16;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = ANSI_CHARSET;
  lstrcpyA(font.lfFaceName, "DejaVu Sans Mono");
  return font;
}

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

}  // namespace

TEST(PrintJob, AConfirmedSetupStoresThePageAndPrintsTheMemo) {
  KVDocText doc;
  FillNumberedLines(doc);
  doc.ClearDerty();
  PAGESIZE page;
  doc.m_page.GetPageSize(&page);

  PageSetup setup;
  setup.LoadDefaults(page);
  ASSERT_NE(nullptr, setup.Record().hDevMode)
      << "no default printer: start CUPS with its default queue (scripts/printer-start.sh)";
  setup.PrintDocument(doc, const_cast<char*>("print check"));

  // Confirming without a change still stores the page, and the document needs saving.
  EXPECT_TRUE(doc.IsDerty());
  PAGESIZE stored;
  doc.m_page.GetPageSize(&stored);
  EXPECT_EQ(0, std::memcmp(&page, &stored, sizeof page));
}
