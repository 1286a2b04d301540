// The memo view's keyboard: caret movement, deletion, typed characters and the input method.
#include <windows.h>
#include <imm.h>

#include <memory>

#include "KVFont.h"
#include "KVObjChar.h"
#include "KeyState.h"
#include "MemoView.h"
#include "SjisText.h"

namespace {

// The caret movement of a key; -1 for keys that do not move it.
int MoveCodeOf(UINT key, bool ctrl) {
  switch (key) {
    case VK_UP: return MOVE_UP;
    case VK_DOWN: return MOVE_DOWN;
    case VK_LEFT: return MOVE_LEFT;
    case VK_RIGHT: return MOVE_RIGHT;
    case VK_HOME: return ctrl ? MOVE_TEXT_START : MOVE_LINE_START;
    case VK_END: return ctrl ? MOVE_TEXT_END : MOVE_LINE_END;
    case VK_PRIOR: return MOVE_PAGE_UP;
    case VK_NEXT: return MOVE_PAGE_DOWN;
    default: return -1;
  }
}

}  // namespace

bool CMemoView::OnKeyDown(UINT key) {
  int code = MoveCodeOf(key, IsKeyDown(VK_CONTROL));
  if (code >= 0) {
    MoveCaret(code);
    return true;
  }
  switch (key) {
    case VK_BACK: DeleteKey(false); return true;
    case VK_DELETE: DeleteKey(true); return true;
    // Tab enters the memo the selected link opened in place, Shift+Tab and Esc leave it.
    case VK_TAB:
      if (IsKeyDown(VK_SHIFT))
        LeaveInPlace(m_inPlace.Depth() - 1);
      else
        OnLinkEditInPlace();
      return true;
    case VK_ESCAPE: LeaveInPlace(m_inPlace.Depth() - 1); return true;
    default: return false;
  }
}

void CMemoView::MoveCaret(int code) {
  LIST* first = nullptr;
  LIST* end = nullptr;
  bool selected = Active().GetSel(&first, &end);
  LIST* target = Active().MoveCurPos(code);
  if (!target) return;
  if (IsKeyDown(VK_SHIFT)) {
    Active().SetSel(target);
    InvalidateEdit();
  } else {
    Active().SetCurPos(target);
    if (selected) InvalidateEdit();
  }
  ShowCaretAt();
  ScrollToObject(target);
}

// Backspace takes the object before the caret, Delete the one after it, unless there is
// a selection: then the selection goes.
void CMemoView::DeleteKey(bool forward) {
  LIST* first = nullptr;
  LIST* end = nullptr;
  if (!Active().GetSel(&first, &end)) {
    if (forward) {
      if (!end || !end->pNext) return;
      Active().SetSel(first, end->pNext);
    } else {
      if (!first || !first->pPrev) return;
      Active().SetSel(first->pPrev, end);
    }
    Active().GetSel(&first, &end);
  }
  Active().Delete();
  ScrollToObject(end);
  InvalidateChangedLines();
  ShowCaretAt();
}

// Alt+arrows scroll the opened link at the caret.
bool CMemoView::OnSysKeyDown(UINT key) {
  bool scrolled = false;
  switch (key) {
    case VK_LEFT: scrolled = Active().DoChildHScroll(SB_LINELEFT, 1, nullptr); break;
    case VK_RIGHT: scrolled = Active().DoChildHScroll(SB_LINERIGHT, 1, nullptr); break;
    case VK_UP: scrolled = Active().DoChildVScroll(SB_LINEUP, 1, nullptr); break;
    case VK_DOWN: scrolled = Active().DoChildVScroll(SB_LINEDOWN, 1, nullptr); break;
    default: return false;
  }
  if (scrolled) InvalidateEdit();
  return true;
}

// A double-byte character may come as two messages, lead byte first: they make one object.
void CMemoView::OnChar(UINT code) {
  if (m_nLeadByte) {
    code = (m_nLeadByte << 8) | (code & 0xFF);
    m_nLeadByte = 0;
  } else if (code < 0x100 && KVIsLeadByte(static_cast<unsigned char>(code))) {
    m_nLeadByte = code;
    return;
  }
  if (code == '\r') code = '\n';
  else if (code < ' ') return;
  const KVObject* at = Active().CaretObject();
  Active().Insert(new KVObjChar(static_cast<int>(code), at->m_crColor, &at->m_logFont));
  ScrollToObject(Active().GetCurPos());
  ShowCaretAt();
  InvalidateChangedLines();
}

// The composition window stands on the caret's line, as high as the caret's font.
void CMemoView::PlaceComposition(int extraY) {
  HIMC context = ImmGetContext(m_hWnd);
  if (!context) return;
  LOGFONT font = Active().GetCurPos()->pObj->m_logFont;
  ImmSetCompositionFontA(context, &font);
  CRect caret = m_inPlace.ToWindow(Active().GetCharRect(nullptr));
  COMPOSITIONFORM form = {};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos = {caret.left, caret.bottom - KVGetFontSize(nullptr, &font).cy + extraY};
  ImmSetCompositionWindow(context, &form);
  ImmReleaseContext(m_hWnd, context);
}

void CMemoView::OnImeStartComposition() { PlaceComposition(0); }

void CMemoView::OnImeComposition(LPARAM lParam) {
  if (!(lParam & GCS_RESULTSTR)) return;
  HIMC context = ImmGetContext(m_hWnd);
  if (!context) return;
  LONG length = ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0);
  if (length > 0) {
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length + 1);
    if (void* bytes = text ? GlobalLock(text) : nullptr) {
      ImmGetCompositionStringA(context, GCS_RESULTSTR, bytes, length);
      GlobalUnlock(text);
      Active().Insert(CF_TEXT, text, CPoint(0, 0));
      ScrollToObject(Active().GetCurPos());
      ShowCaretAt();
      InvalidateChangedLines();
    }
    if (text) GlobalFree(text);
  }
  ImmReleaseContext(m_hWnd, context);
  if (length > 0) PlaceComposition(2);
}
