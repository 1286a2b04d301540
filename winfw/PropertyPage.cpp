// Property pages: their description for the sheet and the sheet's notifications.
#include "PropertyPage.h"

void CPropertyPage::SetModified(bool changed) {
  if (m_hWnd)
    SendMessageA(GetSheet(), changed ? PSM_CHANGED : PSM_UNCHANGED,
                 reinterpret_cast<WPARAM>(m_hWnd), 0);
}

PROPSHEETPAGEA CPropertyPage::Describe() {
  PROPSHEETPAGEA page = {};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = GetModuleHandleA(nullptr);
  page.pszTemplate = MAKEINTRESOURCEA(m_nTemplateId);
  page.pfnDlgProc = PageProcedure;
  page.lParam = reinterpret_cast<LPARAM>(static_cast<DialogBinding*>(this));
  return page;
}

INT_PTR CPropertyPage::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) return Notify(reinterpret_cast<NMHDR*>(lParam));
  return DialogBinding::Dispatch(message, wParam, lParam);
}

// A dialog answers WM_NOTIFY through DWLP_MSGRESULT and says it did by returning TRUE.
INT_PTR CPropertyPage::Notify(NMHDR* header) {
  LRESULT result = 0;
  if (header->code == PSN_APPLY) {
    result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
  } else if (header->code == PSN_KILLACTIVE) {
    result = OnKillActive() ? FALSE : TRUE;
  } else if (!OnNotify(header, &result)) {
    return FALSE;
  }
  SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
  return TRUE;
}
