// CPropertyPage: one page of a property sheet, a dialog template bound to its object. The
// sheet creates the page's window when the page is first shown.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CPropertyPage {
 public:
  explicit CPropertyPage(UINT templateId) : m_nTemplateId(templateId) {}
  CPropertyPage(const CPropertyPage&) = delete;
  CPropertyPage& operator=(const CPropertyPage&) = delete;
  virtual ~CPropertyPage() = default;

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  // The sheet's window; the page is its child.
  HWND GetSheet() const { return ::GetParent(m_hWnd); }
  // Enables the sheet's Apply button (the page has changes) or takes this page's mark back.
  void SetModified(bool changed = true);
  // The platform's description of the page, for the sheet to create it from.
  PROPSHEETPAGEA Describe();

  HWND m_hWnd = nullptr;

 protected:
  // The page's window exists: fill the controls.
  virtual BOOL OnInitDialog() { return TRUE; }
  // A control's notification; false leaves it to the defaults.
  virtual bool OnCommand(int id, int code) {
    (void)id;
    (void)code;
    return false;
  }
  // A control's WM_NOTIFY (not the sheet's); false leaves it to the defaults.
  virtual bool OnNotify(NMHDR* header, LRESULT* result) {
    (void)header;
    (void)result;
    return false;
  }
  // An owner-drawn control of the page.
  virtual bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
    (void)id;
    (void)item;
    return false;
  }
  // The page is left, or OK or Apply pressed on it: false keeps it the current page.
  virtual bool OnKillActive() { return true; }
  // OK or Apply: store the page. False keeps the sheet open on this page.
  virtual bool OnApply() { return true; }

 private:
  static INT_PTR CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Notify(NMHDR* header);
  UINT m_nTemplateId;
};
