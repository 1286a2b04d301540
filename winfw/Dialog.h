// CDialog: a modal dialog from a resource template, bound to its object like a window.
#pragma once

#include <windows.h>

#include "DialogBinding.h"

class CDialog : public DialogBinding {
 public:
  explicit CDialog(UINT templateId) : m_nTemplateId(templateId) {}

  // Runs the dialog from the program's own templates; IDOK, IDCANCEL, or -1 when it could
  // not be created.
  INT_PTR DoModal(HWND owner) { return RunModal(GetModuleHandleA(nullptr), m_nTemplateId, owner); }
  void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }

 private:
  UINT m_nTemplateId;
};

// A message box with a string-table text, captioned with the application title.
int AfxMessageBox(UINT stringId, UINT type);
// A message box with a given text; the application title when caption is none.
int AfxMessageBox(const char* text, UINT type, const char* caption = nullptr);
