// The memo view's message dispatch and its command table.

#include "MemoView.h"
#include "resource.h"

const CommandEntry<CMemoView> CMemoView::kCommands[] = {
    {ID_VIEW_REFRESH, &CMemoView::OnViewRefresh, nullptr},
};

bool CMemoView::OnCommand(UINT id) { return RunCommand(this, kCommands, id); }

bool CMemoView::OnUpdateCommand(UINT id, CCmdUI* ui) {
  return UpdateCommand(this, kCommands, id, ui);
}

LRESULT CMemoView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(lParam);
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
      break;
    case WM_SYSKEYDOWN:
      if (OnSysKeyDown(static_cast<UINT>(wParam))) return 0;
      break;
    case WM_CHAR: OnChar(static_cast<UINT>(wParam)); return 0;
    case WM_IME_STARTCOMPOSITION: OnImeStartComposition(); break;
    case WM_IME_COMPOSITION: OnImeComposition(lParam); break;
    case WM_IME_CHAR: return 0;
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam),
                   {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
  }
  return Default(message, wParam, lParam);
}
