// The modal property sheet: pages described to the platform, which creates each on demand.
#include "PropertySheet.h"

#include "PropertyPage.h"

INT_PTR CPropertySheet::DoModal(HWND owner) {
  std::vector<HPROPSHEETPAGE> handles;
  for (CPropertyPage* page : m_pages) {
    PROPSHEETPAGEA description = page->Describe();
    HPROPSHEETPAGE handle = CreatePropertySheetPageA(&description);
    if (!handle) {
      for (HPROPSHEETPAGE created : handles) DestroyPropertySheetPage(created);
      return -1;
    }
    handles.push_back(handle);
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_DEFAULT | PSH_NOCONTEXTHELP;
  header.hwndParent = owner;
  header.hInstance = GetModuleHandleA(nullptr);
  header.pszCaption = m_pszCaption;
  if (m_wIcon) {
    header.dwFlags |= PSH_USEICONID;
    header.pszIcon = MAKEINTRESOURCEA(m_wIcon);
  }
  header.nPages = static_cast<UINT>(handles.size());
  header.phpage = handles.data();
  // The sheet destroys the pages' handles itself.
  return PropertySheetA(&header);
}
