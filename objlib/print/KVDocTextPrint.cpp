// Printing a text document: a copy of its box wrapped at the page width, drawn page by
// page with every page ending at a line start.
#include "KVDocText.h"
#include "KVPaintPass.h"

int KVDocText::PrintDoc(HDC hdc, CRect page, char* pszTitle) {
  KVObjTBox copy(*Box());
  FitToPage(copy, hdc, page);
  StartPrintJob(hdc, pszTitle);
  CDC dc(hdc);
  const LOGFONT noFontYet = {};
  for (int top = 0;;) {
    const int height = copy.GetPageHeight(hdc, top, page.Height());
    if (height == 0) break;
    StartPage(hdc);
    {
      KVPaintPass pass(&dc, copy.m_crColor, noFontYet);
      CRect clip(page.left, page.top, page.right, page.top + height);
      copy.Draw(pass.Info(), CPoint(page.left, page.top - top), clip, false);
    }
    EndPage(hdc);
    top += height;
  }
  EndDoc(hdc);
  return 0;
}
