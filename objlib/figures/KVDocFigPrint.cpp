// Printing a figure document: one page, a copy of its box measured for the printer and
// sized to the page; what lies beyond the page is not printed.
#include <cstdio>

#include "KVDocFig.h"
#include "KVObjTBox.h"
#include "KVPaintPass.h"

int KVDocFig::PrintDoc(HDC hdc, CRect page, char* pszTitle) {
  KVObjFBox copy(*Box());
  copy.m_nAttr |= KV_ATTR_WRAP;
  copy.CalcSize(hdc);
  copy.cx = page.Width();
  copy.cy = page.Height();
  copy.SetSize(CSize(page.Width(), page.Height()));

  char jobName[300];
  std::snprintf(jobName, sizeof jobName, "KVMemo - %s", pszTitle ? pszTitle : "");
  DOCINFOA job = {};
  job.cbSize = sizeof job;
  job.lpszDocName = jobName;
  StartDocA(hdc, &job);
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
