// Modal dialogs from templates, and message boxes from the string table.
#include "Dialog.h"

#include "FrameWnd.h"
#include "WinApp.h"

INT_PTR CDialog::DoModal(HWND owner) {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), owner,
                         DialogProcedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->m_hWnd = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    return dialog->OnInitDialog();
  }
  auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (!dialog || message != WM_COMMAND) return FALSE;
  int id = LOWORD(wParam);
  if (dialog->OnCommand(id, HIWORD(wParam))) return TRUE;
  if (id == IDOK) dialog->OnOK();
  else if (id == IDCANCEL) dialog->OnCancel();
  else return FALSE;
  return TRUE;
}

namespace {

HWND MessageOwner() {
  CWinApp* app = AfxGetApp();
  HWND active = GetActiveWindow();
  if (active) return active;
  return app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
}

}  // namespace

int AfxMessageBox(const char* text, UINT type, const char* caption) {
  return MessageBoxA(MessageOwner(), text, caption ? caption : AfxGetAppName(), type);
}

int AfxMessageBox(UINT stringId, UINT type) {
  char text[1024] = "";
  LoadStringA(GetModuleHandleA(nullptr), stringId, text, sizeof text);
  return AfxMessageBox(text, type);
}
