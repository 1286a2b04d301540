// The print command without its dialog: the page record to and from the printer settings,
// the printer's device context and the printable area of a page on it.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "KVObjApi.h"
#include "KVObjPage.h"

class KVObjDoc;

// What a printer device context reports about its resolution and unprintable edge.
struct PrinterMetrics {
  int dpiX;     // LOGPIXELSX
  int dpiY;     // LOGPIXELSY
  int offsetX;  // PHYSICALOFFSETX: printer pixels from the paper's corner to the printable area
  int offsetY;  // PHYSICALOFFSETY
};

// Orientation and paper into the printer settings, margins into the dialog's rectangle.
KVOBJ_API void PutPageIntoSettings(const PAGESIZE& page, DEVMODEA* pDevMode, RECT* pMargins);
// The page record the printer settings and margins describe. A paper length or width the
// settings leave unset is taken from the dialog's paper size (hundredths of a millimetre).
KVOBJ_API PAGESIZE PageFromSettings(const DEVMODEA& devMode, const RECT& margins, POINT paperSize);

KVOBJ_API PrinterMetrics ReadPrinterMetrics(HDC hdcPrinter);
// Margins and paper size in hundredths of a millimetre; the result is in printer pixels,
// relative to the origin of the printable area.
KVOBJ_API CRect PrintableArea(const RECT& margins, POINT paperSize, const PrinterMetrics& printer);
// A device context for the printer the settings name; null when they name none.
KVOBJ_API HDC CreatePrinterDC(HGLOBAL hDevNames, HGLOBAL hDevMode);

// The page-setup dialog's record, owning the printer settings the dialog hands out.
class KVOBJ_API PageSetup {
 public:
  PageSetup();
  ~PageSetup();
  PageSetup(const PageSetup&) = delete;
  PageSetup& operator=(const PageSetup&) = delete;

  // Asks silently for the default printer's settings and puts the page into them.
  void LoadDefaults(const PAGESIZE& page);
  // The modal dialog; true when confirmed with printer settings.
  bool Confirm();
  // Stores the chosen page in the document and prints it on the chosen printer.
  void PrintDocument(KVObjDoc& doc, char* pszTitle) const;

  const PAGESETUPDLGA& Record() const { return m_dialog; }

 private:
  PAGESETUPDLGA m_dialog;
};
