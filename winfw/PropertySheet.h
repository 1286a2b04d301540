// CPropertySheet: the platform's modal property sheet with OK, Cancel and Apply over pages
// that the caller owns.
#pragma once

#include <windows.h>

#include <vector>

class CPropertyPage;

class CPropertySheet {
 public:
  // icon: the id of the program's icon resource for the sheet's caption, or 0 for none.
  explicit CPropertySheet(const char* caption, WORD icon = 0)
      : m_pszCaption(caption), m_wIcon(icon) {}
  CPropertySheet(const CPropertySheet&) = delete;
  CPropertySheet& operator=(const CPropertySheet&) = delete;

  // Pages show in the order they are added; each must outlive the sheet.
  void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
  // Runs the sheet; the platform's result (positive once closed, -1 when it failed).
  INT_PTR DoModal(HWND owner);

 private:
  const char* m_pszCaption;
  WORD m_wIcon;
  std::vector<CPropertyPage*> m_pages;
};
