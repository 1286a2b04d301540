// Message boxes owned by the active window, with texts from the string table.
#include "Dialog.h"

#include "FrameWnd.h"
#include "WinApp.h"

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
