// The memo view's message dispatch and its command table.
#include "MemoGlobals.h"
#include "MemoView.h"
#include "RecoveryCopy.h"
#include "resource.h"

const CommandEntry<CMemoView> CMemoView::kCommands[] = {
    {ID_FILE_OPEN, &CMemoView::OnFileOpen, nullptr},
    {ID_FILE_PRINT, &CMemoView::OnFilePrint, nullptr},
    {ID_EDIT_UNDO, &CMemoView::OnEditUndo, &CMemoView::CanUndo},
    {ID_EDIT_REDO, &CMemoView::OnEditRedo, &CMemoView::CanRedo},
    {ID_EDIT_CUT, &CMemoView::OnEditCut, &CMemoView::IsSelected},
    {ID_EDIT_COPY, &CMemoView::OnEditCopy, &CMemoView::IsSelected},
    {ID_EDIT_COPY_TEXT, &CMemoView::OnEditCopyText, &CMemoView::IsSelected},
    {ID_EDIT_PASTE, &CMemoView::OnEditPaste, &CMemoView::CanPaste},
    {ID_EDIT_SELECT_ALL, &CMemoView::OnEditSelectAll, nullptr},
    {ID_EDIT_CLEAR, &CMemoView::OnEditClear, nullptr},
    {ID_EDIT_FIND, &CMemoView::OnEditFind, nullptr},
    {ID_EDIT_REPLACE, &CMemoView::OnEditReplace, nullptr},
    {ID_EDIT_PATH_TO_LINK, &CMemoView::OnPathToLink, &CMemoView::CanMakePathLink},
    {ID_EDIT_MAKE_LINK, &CMemoView::OnMakeLink, nullptr},
    {ID_EDIT_MAKE_MUTUAL_LINK, &CMemoView::OnMakeMutualLink, &CMemoView::HasFile},
    {ID_EDIT_EXTEND_LINK, &CMemoView::OnExtendLink, &CMemoView::IsLinkSelected},
    {ID_EDIT_OBJ_PROPERTY, &CMemoView::OnObjProperty, &CMemoView::IsObjSelected},
    {ID_INSERT_SELF_LINK, &CMemoView::OnSelfLink, &CMemoView::HasFile},
    {ID_INSERT_LINK, &CMemoView::OnInsertLink, nullptr},
    {ID_INSERT_DATE, &CMemoView::OnInsertDate, nullptr},
    {ID_INSERT_TIME, &CMemoView::OnInsertTime, nullptr},
    {ID_LINK_OPEN, &CMemoView::OnLinkOpen, &CMemoView::IsLinkSelected},
    {ID_LINK_CLOSE, &CMemoView::OnLinkClose, &CMemoView::IsLinkSelected},
    {ID_LINK_EXEC, &CMemoView::OnLinkExec, &CMemoView::IsLinkSelected},
    {ID_LINK_EDIT_IN_PLACE, &CMemoView::OnLinkEditInPlace, &CMemoView::CanEditInPlace},
    {ID_CHAR_COLOR, &CMemoView::OnCharColor, &CMemoView::IsSelected},
    {ID_CHAR_FONT, &CMemoView::OnCharFont, &CMemoView::IsSelected},
    {ID_VIEW_REFRESH, &CMemoView::OnViewRefresh, nullptr},
    {ID_HELP, &CMemoView::OnHelp, nullptr},
};

bool CMemoView::OnCommand(UINT id) {
  RecoveryCopy::Instance().NoteActivity();
  return RunCommand(this, kCommands, id);
}

bool CMemoView::OnUpdateCommand(UINT id, CCmdUI* ui) {
  return UpdateCommand(this, kCommands, id, ui);
}

namespace {

// Messages after which the document may have changed; moving the caret changes nothing.
bool MayEdit(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_KEYDOWN: return wParam == VK_BACK || wParam == VK_DELETE;
    case WM_CHAR:
    case WM_IME_COMPOSITION:
    case WM_LBUTTONUP:
    case WM_DROPDATA: return true;
    default: return false;
  }
}

POINT PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

LRESULT CMemoView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_uFindReplaceMsg) {
    OnFindReplace(reinterpret_cast<FINDREPLACEA*>(lParam));
    return 0;
  }
  if (MayEdit(message, wParam)) RecoveryCopy::Instance().NoteActivity();
  switch (message) {
    case WM_CREATE: return OnCreate(lParam);
    case WM_DESTROY: m_dropTarget.Revoke(); break;
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
      OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
      return 0;
    case WM_LBUTTONDOWN: m_mouse.OnLButtonDown(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONUP: m_mouse.OnLButtonUp(PointOf(lParam)); return 0;
    case WM_MOUSEMOVE: m_mouse.OnMouseMove(PointOf(lParam)); return 0;
    case WM_TIMER: m_mouse.OnTimer(wParam); return 0;
    case WM_RBUTTONDOWN: m_mouse.OnRButtonDown(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONUP: return 0;
    case WM_CONTEXTMENU: m_mouse.OnContextMenu(); return 0;
    case WM_DRAGOVERDATA: m_mouse.OnDragOver(reinterpret_cast<DROPINFO*>(lParam)); return 0;
    case WM_DROPDATA: m_mouse.OnDrop(*reinterpret_cast<DROPINFO*>(lParam)); return 0;
  }
  return Default(message, wParam, lParam);
}
