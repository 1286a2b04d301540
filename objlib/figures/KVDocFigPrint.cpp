// Printing a figure document: one page, a copy of its box measured for the printer and
// sized to the page; what lies beyond the page is not printed.
#include "KVDocFig.h"
#include "KVPaintPass.h"

int KVDocFig::PrintDoc(HDC hdc, CRect page, char* pszTitle) {
  KVObjFBox copy(*Box());
  FitToPage(copy, hdc, page);
  StartPrintJob(hdc, pszTitle);
  StartPage(hdc);
  {
    CDC dc(hdc);
    const LOGFONT noFontYet = {};
    KVPaintPass pass(&dc, copy.m_crColor, noFontYet);
    copy.Draw(pass.Info(), CPoint(page.left, page.top), page, false);
  }
  EndPage(hdc);
  EndDoc(hdc);
  return 0;
}
