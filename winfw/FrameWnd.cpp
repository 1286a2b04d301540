// The frame: resources, layout of view and status bar, command routing and menu states.
#include "FrameWnd.h"

#include "WinApp.h"

namespace {

const UINT kIdleMessageString = 57345;

}  // namespace

bool CFrameWnd::LoadFrame(UINT id, DWORD style, bool withMenu) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(id));
  if (!RegisterClass(FrameClassName(), 0, nullptr, icon)) return false;
  char title[128] = "";
  LoadStringA(instance, id, title, sizeof title);
  LoadStringA(instance, kIdleMessageString, m_szIdleText, sizeof m_szIdleText);
  HMENU menu = withMenu ? LoadMenuA(instance, MAKEINTRESOURCEA(id)) : nullptr;
  m_hAccel = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(id));
  HWND hwnd = CreateWindowExA(0, FrameClassName(), title, style, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance, this);
  if (!hwnd && menu) DestroyMenu(menu);
  return hwnd != nullptr;
}

void CFrameWnd::ShowControlBar(bool show) {
  ::ShowWindow(m_wndStatusBar.m_hWnd, show ? SW_SHOW : SW_HIDE);
  RecalcLayout();
}

void CFrameWnd::RecalcLayout() {
  CRect client = ClientRect();
  m_wndStatusBar.Resize();
  client.bottom -= m_wndStatusBar.Height();
  if (CWnd* view = GetActiveView())
    MoveWindow(view->m_hWnd, 0, 0, client.Width(), client.Height(), TRUE);
}

bool CFrameWnd::RouteCommand(UINT id) {
  CCmdTarget* view = GetActiveViewTarget();
  if (view && view->OnCommand(id)) return true;
  if (OnCommand(id)) return true;
  return AfxGetApp() && AfxGetApp()->OnCommand(id);
}

bool CFrameWnd::RouteUpdate(UINT id, CCmdUI* ui) {
  CCmdTarget* view = GetActiveViewTarget();
  if (view && view->OnUpdateCommand(id, ui)) return true;
  if (OnUpdateCommand(id, ui)) return true;
  return AfxGetApp() && AfxGetApp()->OnUpdateCommand(id, ui);
}

// An item no target handles is greyed, as is an item whose rule says no.
void CFrameWnd::OnInitMenuPopup(HMENU menu) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or pop-up
    CCmdUI ui;
    if (!RouteUpdate(id, &ui)) ui.enabled = false;
    EnableMenuItem(menu, i, MF_BYPOSITION | (ui.enabled ? MF_ENABLED : MF_GRAYED));
    if (ui.checked >= 0)
      CheckMenuItem(menu, i, MF_BYPOSITION | (ui.checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

// The status bar shows the highlighted command's string, and the idle text after.
void CFrameWnd::OnMenuSelect(UINT id, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {
    m_wndStatusBar.SetMessageText(m_szIdleText);
    return;
  }
  char text[256] = "";
  if (!(flags & (MF_POPUP | MF_SEPARATOR)))
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
  m_wndStatusBar.SetMessageText(text);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (RouteCommand(LOWORD(wParam))) return 0;
      break;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) RecalcLayout();
      return 0;
    case WM_SETFOCUS:
      if (CWnd* view = GetActiveView()) SetFocus(view->m_hWnd);
      return 0;
  }
  return Default(message, wParam, lParam);
}

void CFrameWnd::PostNcDestroy() {
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    PostQuitMessage(0);
  }
  delete this;
}
