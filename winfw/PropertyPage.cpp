// Property pages: the dialog procedure every page shares and the sheet notifications.
#include "PropertyPage.h"

#include <new>

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
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK CPropertyPage::PageProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    // The sheet hands over its copy of the description, which carries the object.
    auto* page =
        reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    page->m_hWnd = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
  }
  auto* page = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (!page) return FALSE;
  INT_PTR result = FALSE;
  // No exception may leave a dialog procedure: the system's frames cannot unwind it.
  try {
    result = page->Dispatch(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    result = FALSE;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    page->m_hWnd = nullptr;
  }
  return result;
}

INT_PTR CPropertyPage::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
      return Notify(reinterpret_cast<NMHDR*>(lParam));
    case WM_DRAWITEM:
      return OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    default:
      return FALSE;
  }
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
