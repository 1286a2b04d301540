// DialogBinding: a dialog window bound to the object that handles its messages. It is the one
// dialog procedure of the programs' and the library's modal dialogs and property pages, and
// holds the control helpers they share.
#pragma once

#include <windows.h>

#include <map>
#include <string>

class DialogBinding {
 public:
  DialogBinding(const DialogBinding&) = delete;
  DialogBinding& operator=(const DialogBinding&) = delete;
  virtual ~DialogBinding() = default;

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

  HWND m_hWnd = nullptr;

 protected:
  DialogBinding() = default;

  // Runs a modal dialog from a template of the module: IDOK, IDCANCEL, or -1 when it could not
  // be created. In a modal dialog IDOK and IDCANCEL reach OnOK and OnCancel.
  INT_PTR RunModal(HINSTANCE module, UINT templateId, HWND owner);
  // A property page's procedure: the sheet passes the page's description, whose lParam is the
  // object.
  static INT_PTR CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // Every message once the dialog is bound: by default initialisation, commands and owner
  // drawing; FALSE leaves a message to the system.
  virtual INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(m_hWnd, IDOK); }
  virtual void OnCancel() { EndDialog(m_hWnd, IDCANCEL); }
  // A control's notification; false leaves it to the defaults.
  virtual bool OnCommand(int id, int code);
  // An owner-drawn control; false when it is not this dialog's.
  virtual bool OnDrawItem(int id, const DRAWITEMSTRUCT& item);

  // An edit that takes at most maxBytes of Shift-JIS text; longer input is cut at a character
  // boundary as it is typed or pasted (the edit itself may count characters, as Wine's does).
  void LimitText(int id, size_t maxBytes);
  // The control's text, cut to its limit (if it has one) at a character boundary.
  std::string GetText(int id) const;
  void SetText(int id, const std::string& text) { SetDlgItemTextA(m_hWnd, id, text.c_str()); }
  bool IsChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
  void SetCheck(int id, bool checked) { CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED); }
  void Enable(int id, bool enabled) { EnableWindow(GetDlgItem(id), enabled); }
  void Redraw(int id) { InvalidateRect(GetDlgItem(id), nullptr, TRUE); }

 private:
  static INT_PTR CALLBACK ModalProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR Route(DialogBinding* dialog, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool Command(int id, int code);
  void EnforceLimit(int id);

  bool m_bModal = false;
  std::map<int, size_t> m_limits;
};
