// CPropertyPage: one page of a property sheet, a dialog template bound to its object. The
// sheet creates the page's window when the page is first shown.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "DialogBinding.h"

class CPropertyPage : public DialogBinding {
 public:
  explicit CPropertyPage(UINT templateId) : m_nTemplateId(templateId) {}

  // The sheet's window; the page is its child.
  HWND GetSheet() const { return ::GetParent(m_hWnd); }
  // Enables the sheet's Apply button (the page has changes) or takes this page's mark back.
  void SetModified(bool changed = true);
  // The platform's description of the page, for the sheet to create it from.
  PROPSHEETPAGEA Describe();

 protected:
  // A control's WM_NOTIFY (not the sheet's); false leaves it to the defaults.
  virtual bool OnNotify(NMHDR* header, LRESULT* result) {
    (void)header;
    (void)result;
    return false;
  }
  // The page is left, or OK or Apply pressed on it: false keeps it the current page.
  virtual bool OnKillActive() { return true; }
  // OK or Apply: store the page. False keeps the sheet open on this page.
  virtual bool OnApply() { return true; }
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  INT_PTR Notify(NMHDR* header);
  UINT m_nTemplateId;
};
