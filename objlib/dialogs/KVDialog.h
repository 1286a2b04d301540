// KVDialog: a modal dialog of the library, made from a template in KVObj.dll itself and
// bound to its object on WM_INITDIALOG. The library has no application object: a dialog
// is owned by the window that is active when it opens, and its message boxes are titled
// with the program's name.
#pragma once

#include <windows.h>

#include <map>
#include <string>

// The library's own module, where its dialog templates and strings are.
HINSTANCE KVLibraryInstance();

class KVDialog {
 public:
  explicit KVDialog(UINT templateId) : m_nTemplateId(templateId) {}
  KVDialog(const KVDialog&) = delete;
  KVDialog& operator=(const KVDialog&) = delete;
  virtual ~KVDialog() = default;

  // Runs the dialog; IDOK, IDCANCEL, or -1 when it could not be created.
  INT_PTR DoModal();

  HWND m_hWnd = nullptr;

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(m_hWnd, IDOK); }
  virtual void OnCancel() { EndDialog(m_hWnd, IDCANCEL); }
  // A control's notification; false leaves it to the defaults.
  virtual bool OnCommand(int id, int code);
  // An owner-drawn control; false when it is not this dialog's.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);

  // An edit that takes at most maxBytes of Shift-JIS text; longer input is cut at a
  // character boundary as it is typed or pasted.
  void LimitText(int id, size_t maxBytes);
  // The control's text, cut to its limit (if it has one) at a character boundary.
  std::string GetItemText(int id) const;
  void SetItemText(int id, const std::string& text) { SetDlgItemTextA(m_hWnd, id, text.c_str()); }
  bool IsChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
  void SetCheck(int id, bool checked) { CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED); }
  void Enable(int id, bool enabled) { EnableWindow(GetDlgItem(m_hWnd, id), enabled); }
  void Redraw(int id) { InvalidateRect(GetDlgItem(m_hWnd, id), nullptr, TRUE); }
  // A message box with a string of the library, the stop icon, the program's name.
  void ShowStop(UINT stringId);

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void EnforceLimit(int id);

  UINT m_nTemplateId;
  std::map<int, size_t> m_limits;
};
