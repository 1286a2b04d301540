// The print command of a document: the page-setup dialog primed with the page record, then
// the document printed on the chosen printer.
#include "KVObjDoc.h"
#include "PrintSetup.h"

void KVObjDoc::DoPrint(char* pszTitle) {
  PAGESIZE page;
  m_page.GetPageSize(&page);
  PageSetup setup;
  setup.LoadDefaults(page);
  // Cancelled, or no printer: the page record stays as it was.
  if (setup.Confirm()) setup.PrintDocument(*this, pszTitle);
}
