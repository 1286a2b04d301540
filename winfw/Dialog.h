// CDialog: a modal dialog from a resource template, bound to its object like a window.
#pragma once

#include <windows.h>

class CDialog {
 public:
  explicit CDialog(UINT templateId) : m_nTemplateId(templateId) {}
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;
  virtual ~CDialog() = default;

  // Runs the dialog; IDOK, IDCANCEL, or -1 when it could not be created.
  INT_PTR DoModal(HWND owner);
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }

  HWND m_hWnd = nullptr;

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(m_hWnd, IDOK); }
  virtual void OnCancel() { EndDialog(m_hWnd, IDCANCEL); }
  // A control's notification; false leaves it to the defaults.
  virtual bool OnCommand(int id, int code) {
    (void)id;
    (void)code;
    return false;
  }

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                          LPARAM lParam);
  UINT m_nTemplateId;
};

// A message box with a string-table text, captioned with the application title.
int AfxMessageBox(UINT stringId, UINT type);
// A message box with a given text; the application title when caption is none.
int AfxMessageBox(const char* text, UINT type, const char* caption = nullptr);
