// The print command's page record, printer settings, printer DC and printable area.
#include "PrintSetup.h"

#include "KVObjDoc.h"
#include "LockedGlobal.h"

namespace {

constexpr int kHundredthsOfMmPerInch = 2540;

int ToPrinterPixels(int hundredthsOfMm, int dpi) {
  return static_cast<int>(static_cast<long long>(hundredthsOfMm) * dpi / kHundredthsOfMmPerInch);
}

}  // namespace

void PutPageIntoSettings(const PAGESIZE& page, DEVMODEA* pDevMode, RECT* pMargins) {
  if (pDevMode) {
    pDevMode->dmOrientation = page.nOrientation;
    pDevMode->dmPaperSize = page.nPaperSize;
    pDevMode->dmPaperLength = page.nPaperLength;
    pDevMode->dmPaperWidth = page.nPaperWidth;
    pDevMode->dmFields |= DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;
  }
  *pMargins = RECT{page.nLeft, page.nTop, page.nRight, page.nBottom};
}

PAGESIZE PageFromSettings(const DEVMODEA& devMode, const RECT& margins, POINT paperSize) {
  // The dialog's paper size is turned with the page; the settings' length is the long side
  // of an upright sheet, in tenths of a millimetre.
  const bool landscape = devMode.dmOrientation == DMORIENT_LANDSCAPE;
  const int length = (landscape ? paperSize.x : paperSize.y) / 10;
  const int width = (landscape ? paperSize.y : paperSize.x) / 10;
  PAGESIZE page;
  page.nOrientation = devMode.dmOrientation;
  page.nPaperSize = devMode.dmPaperSize;
  page.nPaperLength = (devMode.dmFields & DM_PAPERLENGTH) && devMode.dmPaperLength > 0
                          ? devMode.dmPaperLength
                          : static_cast<int16_t>(length);
  page.nPaperWidth = (devMode.dmFields & DM_PAPERWIDTH) && devMode.dmPaperWidth > 0
                         ? devMode.dmPaperWidth
                         : static_cast<int16_t>(width);
  page.nTop = margins.top;
  page.nBottom = margins.bottom;
  page.nLeft = margins.left;
  page.nRight = margins.right;
  return page;
}

PrinterMetrics ReadPrinterMetrics(HDC hdcPrinter) {
  return PrinterMetrics{
      GetDeviceCaps(hdcPrinter, LOGPIXELSX), GetDeviceCaps(hdcPrinter, LOGPIXELSY),
      GetDeviceCaps(hdcPrinter, PHYSICALOFFSETX), GetDeviceCaps(hdcPrinter, PHYSICALOFFSETY)};
}

CRect PrintableArea(const RECT& margins, POINT paperSize, const PrinterMetrics& printer) {
  const int left = ToPrinterPixels(margins.left, printer.dpiX);
  const int right = ToPrinterPixels(margins.right, printer.dpiX);
  const int top = ToPrinterPixels(margins.top, printer.dpiY);
  const int bottom = ToPrinterPixels(margins.bottom, printer.dpiY);
  const int width = ToPrinterPixels(paperSize.x, printer.dpiX);
  const int height = ToPrinterPixels(paperSize.y, printer.dpiY);
  CRect area;
  area.left = left - printer.offsetX;
  area.top = top - printer.offsetY;
  area.right = area.left + (width - left - right);
  area.bottom = area.top + (height - top - bottom);
  return area;
}

HDC CreatePrinterDC(HGLOBAL hDevNames, HGLOBAL hDevMode) {
  LockedGlobal names(hDevNames);
  const DEVNAMES* record = names.As<DEVNAMES>();
  if (!record) return nullptr;
  // The offsets count characters from the start of the record.
  const char* base = names.Data();
  LockedGlobal mode(hDevMode);
  return CreateDCA(base + record->wDriverOffset, base + record->wDeviceOffset,
                   base + record->wOutputOffset, mode.As<DEVMODEA>());
}

PageSetup::PageSetup() : m_dialog() {
  m_dialog.lStructSize = sizeof m_dialog;
  m_dialog.Flags = PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS;
}

PageSetup::~PageSetup() {
  if (m_dialog.hDevMode) GlobalFree(m_dialog.hDevMode);
  if (m_dialog.hDevNames) GlobalFree(m_dialog.hDevNames);
}

void PageSetup::LoadDefaults(const PAGESIZE& page) {
  m_dialog.Flags |= PSD_RETURNDEFAULT;
  PageSetupDlgA(&m_dialog);
  m_dialog.Flags &= ~PSD_RETURNDEFAULT;
  LockedGlobal mode(m_dialog.hDevMode);
  PutPageIntoSettings(page, mode.As<DEVMODEA>(), &m_dialog.rtMargin);
}

bool PageSetup::Confirm() { return PageSetupDlgA(&m_dialog) && m_dialog.hDevMode; }

void PageSetup::PrintDocument(KVObjDoc& doc, char* pszTitle) const {
  {
    LockedGlobal mode(m_dialog.hDevMode);
    if (!mode.Data()) return;
    const PAGESIZE page = PageFromSettings(*mode.As<DEVMODEA>(), m_dialog.rtMargin, m_dialog.ptPaperSize);
    doc.m_page.SetPageSize(&page);
  }
  HDC printer = CreatePrinterDC(m_dialog.hDevNames, m_dialog.hDevMode);
  if (!printer) return;
  doc.PrintDoc(printer,
               PrintableArea(m_dialog.rtMargin, m_dialog.ptPaperSize, ReadPrinterMetrics(printer)),
               pszTitle);
  DeleteDC(printer);
}
