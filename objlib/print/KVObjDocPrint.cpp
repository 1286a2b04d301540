// The print command of a document: the page-setup dialog primed with the page record, then
// the document printed on the chosen printer.
#include <cstdio>

#include "KVObjDoc.h"
#include "KVObjTBox.h"
#include "PrintSetup.h"

void KVObjDoc::DoPrint(char* pszTitle) {
  PAGESIZE page;
  m_page.GetPageSize(&page);
  PageSetup setup;
  setup.LoadDefaults(page);
  // Cancelled, or no printer: the page record stays as it was.
  if (setup.Confirm()) setup.PrintDocument(*this, pszTitle);
}

void KVObjDoc::FitToPage(KVObject& copy, HDC hdc, const CRect& page) {
  copy.m_nAttr |= KV_ATTR_WRAP;
  copy.CalcSize(hdc);
  copy.cx = page.Width();
  copy.cy = page.Height();
  copy.SetSize(CSize(page.Width(), page.Height()));
}

void KVObjDoc::StartPrintJob(HDC hdc, const char* pszTitle) {
  char jobName[300];
  std::snprintf(jobName, sizeof jobName, "KVMemo - %s", pszTitle ? pszTitle : "");
  DOCINFOA job = {};
  job.cbSize = sizeof job;
  job.lpszDocName = jobName;
  StartDocA(hdc, &job);
}
