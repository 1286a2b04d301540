// Helpers of the print jobs whose PDFs the print checks read.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "KVObjDoc.h"
#include "PrintSetup.h"

// A font whose characters the PDF maps back to text, so a check can find them; the IPA
// fonts come out without a text layer.
inline LOGFONT LatinFont() {
  LOGFONT font = {};
  font.lfHeight = -16;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = ANSI_CHARSET;
  lstrcpyA(font.lfFaceName, "DejaVu Sans Mono");
  return font;
}

// Prints the document on the default printer with its page record, as OK in the page
// setup does; the job is titled "KVMemo - " and the title.
inline void PrintOnDefaultPrinter(KVObjDoc& doc, const char* title) {
  PAGESIZE page;
  doc.m_page.GetPageSize(&page);
  PageSetup setup;
  setup.LoadDefaults(page);
  ASSERT_NE(nullptr, setup.Record().hDevMode)
      << "no default printer: start CUPS with its default queue (scripts/printer-start.sh)";
  setup.PrintDocument(doc, const_cast<char*>(title));
}
