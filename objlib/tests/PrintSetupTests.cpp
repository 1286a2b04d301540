// The print command's core: the printable area, the page record in the printer settings
// and back, a new document's page, and the default printer as the page-setup dialog sees it.
#include <gtest/gtest.h>

#include <cstring>

#include "KVDocText.h"
#include "PrintSetup.h"

namespace {

constexpr POINT kA4 = {21000, 29700};  // hundredths of a millimetre
constexpr RECT kTwentyMm = {2000, 2000, 2000, 2000};

}  // namespace

TEST(PrintableArea, TwentyMillimetreMarginsAt600DpiAre472Pixels) {
  const CRect area = PrintableArea(kTwentyMm, kA4, PrinterMetrics{600, 600, 0, 0});
  EXPECT_EQ(472, area.left);
  EXPECT_EQ(472, area.top);
  // The paper is 21000 * 600 / 2540 = 4960 by 7015 pixels, both rounded down.
  EXPECT_EQ(472 + 4960 - 2 * 472, area.right);
  EXPECT_EQ(472 + 7015 - 2 * 472, area.bottom);
}

TEST(PrintableArea, EachValueIsConvertedOnItsOwnAxisThenOffset) {
  const RECT margins = {1000, 1500, 2500, 3000};  // left, top, right, bottom
  const CRect area = PrintableArea(margins, kA4, PrinterMetrics{600, 300, 30, 20});
  // Horizontal at 600 dpi: 236, 590 and 4960; vertical at 300 dpi: 177, 354 and 3507.
  EXPECT_EQ(236 - 30, area.left);
  EXPECT_EQ(177 - 20, area.top);
  // Converting 21000 - 1000 - 2500 in one go would give 4133, one pixel less.
  EXPECT_EQ(4134, area.Width());
  EXPECT_EQ(3507 - 177 - 354, area.Height());
}

TEST(PrintableArea, MarginsInsideTheUnprintableEdgeGoNegative) {
  const CRect area = PrintableArea(RECT{0, 0, 0, 0}, kA4, PrinterMetrics{300, 300, 50, 40});
  EXPECT_EQ(CRect(-50, -40, -50 + 2480, -40 + 3507), area);
}

TEST(PageSettings, TheRecordRoundTripsThroughThePrinterSettings) {
  const PAGESIZE landscapeLetter = {
      DMORIENT_LANDSCAPE, DMPAPER_LETTER, 2794, 2159, 1100, 1200, 1300, 1400};
  DEVMODEA devMode = {};
  RECT margins = {};
  PutPageIntoSettings(landscapeLetter, &devMode, &margins);
  EXPECT_EQ(DMORIENT_LANDSCAPE, devMode.dmOrientation);
  EXPECT_EQ(DMPAPER_LETTER, devMode.dmPaperSize);
  EXPECT_EQ(2794, devMode.dmPaperLength);
  EXPECT_EQ(2159, devMode.dmPaperWidth);
  const DWORD paperFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;
  EXPECT_EQ(paperFields, devMode.dmFields & paperFields);
  // The record keeps top, bottom, left, right; the dialog's rectangle left, top, right, bottom.
  EXPECT_EQ(1300, margins.left);
  EXPECT_EQ(1100, margins.top);
  EXPECT_EQ(1400, margins.right);
  EXPECT_EQ(1200, margins.bottom);

  const PAGESIZE back = PageFromSettings(devMode, margins, POINT{27940, 21590});
  EXPECT_EQ(0, std::memcmp(&landscapeLetter, &back, sizeof back));
}

TEST(PageSettings, AnUnsetPaperLengthAndWidthComeFromTheDialogsPaper) {
  DEVMODEA devMode = {};
  devMode.dmFields = DM_ORIENTATION | DM_PAPERSIZE;
  devMode.dmOrientation = DMORIENT_LANDSCAPE;
  devMode.dmPaperSize = DMPAPER_A4;
  const PAGESIZE page = PageFromSettings(devMode, kTwentyMm, POINT{29700, 21000});
  EXPECT_EQ(2970, page.nPaperLength);  // the long side, as for an upright sheet
  EXPECT_EQ(2100, page.nPaperWidth);
}

TEST(PageSettings, ANewDocumentPrintsOnA4WithTwentyMillimetreMargins) {
  KVDocText doc;
  PAGESIZE page;
  doc.m_page.GetPageSize(&page);
  const PAGESIZE expected = {1, 9, 2970, 2100, 2000, 2000, 2000, 2000};
  EXPECT_EQ(0, std::memcmp(&expected, &page, sizeof page));
  EXPECT_FALSE(doc.m_page.IsDerty());
  EXPECT_FALSE(doc.IsDerty());
}

// The queue that make test sets up (scripts/printer-start.sh) is the default printer.
TEST(DefaultPrinter, TheSilentQueryPrimesItsSettingsWithThePage) {
  const PAGESIZE page = {DMORIENT_LANDSCAPE, DMPAPER_A4, 2970, 2100, 1000, 1500, 2500, 3000};
  PageSetup setup;
  setup.LoadDefaults(page);
  ASSERT_NE(nullptr, setup.Record().hDevMode)
      << "no default printer: start CUPS with its default queue (scripts/printer-start.sh)";
  EXPECT_EQ(0, setup.Record().Flags & PSD_RETURNDEFAULT);
  EXPECT_EQ(2500, setup.Record().rtMargin.left);
  EXPECT_EQ(3000, setup.Record().rtMargin.right);

  HDC printer = CreatePrinterDC(setup.Record().hDevNames, setup.Record().hDevMode);
  ASSERT_NE(nullptr, printer);
  const PrinterMetrics metrics = ReadPrinterMetrics(printer);
  EXPECT_GT(metrics.dpiX, 0);
  EXPECT_GT(metrics.dpiY, 0);
  // The device context follows the settings: a landscape sheet is wider than it is tall.
  EXPECT_GT(GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT));
  DeleteDC(printer);
}
