// The memo view's drags: selecting text, resizing an object by a handle, dragging the
// selection out through OLE, auto-scrolling, dropping, and the context menu.
#include "Cursors.h"
#include "KVProfile.h"
#include "MemoGlobals.h"
#include "MemoView.h"
#include "resource.h"

namespace {

enum Timer { SCROLL_TIMER = 2 };
const int DRAG_SELECT = 10;

bool KeyDown(int key) { return GetKeyState(key) < 0; }

HCURSOR PressedHandleCursor(int code) {
  if (code <= 3) return g_hcurSizeWEPressed;
  if (code <= 5) return g_hcurSizeNSPressed;
  return g_hcurSizeNWSEPressed;
}

// The rectangle with the sides of a handle moved to p, never below the minimum size.
RECT ResizedRect(RECT r, int handle, POINT p, SIZE minimum) {
  const bool left = handle == 2 || handle == 6 || handle == 8;
  const bool right = handle == 3 || handle == 7 || handle == 9;
  const bool top = handle == 4 || handle == 6 || handle == 7;
  const bool bottom = handle == 5 || handle == 8 || handle == 9;
  if (left) r.left = std::min<LONG>(p.x, r.right - minimum.cx);
  if (right) r.right = std::max<LONG>(p.x, r.left + minimum.cx);
  if (top) r.top = std::min<LONG>(p.y, r.bottom - minimum.cy);
  if (bottom) r.bottom = std::max<LONG>(p.y, r.top + minimum.cy);
  return r;
}

// A one-pixel XOR rubber band: drawn once it shows, drawn again it is gone.
void DrawRubberBand(HWND hwnd, const RECT& r) {
  HDC dc = GetDC(hwnd);
  DrawFocusRect(dc, &r);
  ReleaseDC(hwnd, dc);
}

}  // namespace

void CMemoView::BeginDrag(POINT p) {
  LIST* node = nullptr;
  int code = m_doc.WhereIs(CPoint(p.x, p.y), &node);
  m_ptDragStart = p;
  if (code == 0) {
    node = m_doc.Find(CPoint(p.x, p.y));
    code = KV_HIT_CHARACTER;
  }
  if (!node) return;
  if (code == 1 || code == KV_HIT_CHARACTER) {
    if (m_doc.IsSelect(node, false)) {
      DragOut();
      return;
    }
    m_nDragMode = DRAG_SELECT;
    SetCursor(g_hcurTextDrag);
    m_pDragTarget = node;
    m_doc.SetCurPos(node);
    ShowCaretAt();
    Invalidate();
  } else {
    SetCursor(PressedHandleCursor(code));
    m_nDragMode = code;
    m_pDragTarget = node;
    m_rcDrag = m_doc.GetCharRect(node);
    DrawRubberBand(m_hWnd, m_rcDrag);
  }
  SetCapture(m_hWnd);
  m_nScrollTimer = SetTimer(m_hWnd, SCROLL_TIMER,
                            KVGetProfileInt(kAutoScrollTimer), nullptr);
}

void CMemoView::DragMove(POINT p) {
  if (m_nDragMode == DRAG_SELECT) {
    SetCursor(g_hcurTextDrag);
    LIST* node = m_doc.Find(CPoint(p.x, p.y));
    if (node) m_doc.SetSel(node, m_pDragTarget);
    ShowCaretAt();
    Invalidate();
  } else if (m_nDragMode >= 2 && m_nDragMode <= 9) {
    CSize minimum = m_pDragTarget->pObj->MinSize();
    RECT next = ResizedRect(m_rcDrag, m_nDragMode, p, minimum);
    SetCursor(PressedHandleCursor(m_nDragMode));
    DrawRubberBand(m_hWnd, m_rcDrag);
    DrawRubberBand(m_hWnd, next);
    m_rcDrag = next;
  }
}

void CMemoView::EndDrag(POINT p) {
  ReleaseCapture();
  if (m_nScrollTimer) KillTimer(m_hWnd, m_nScrollTimer);
  m_nScrollTimer = 0;
  SetCursor(g_hcurArrow);
  if (m_nDragMode >= 2 && m_nDragMode <= 9) {
    DrawRubberBand(m_hWnd, m_rcDrag);
    m_doc.SetListItemSize(m_pDragTarget, CSize(m_rcDrag.right - m_rcDrag.left,
                                               m_rcDrag.bottom - m_rcDrag.top));
    m_doc.Layout(nullptr);
    m_doc.SetCurPos(m_pDragTarget);
    UpdateScrollBars();
  } else if (m_nDragMode == DRAG_SELECT) {
    LIST* node = m_doc.Find(CPoint(p.x, p.y));
    if (node) m_doc.SetSel(node);
  }
  m_nDragMode = 0;
  ShowCaretAt();
  Invalidate();
}

void CMemoView::AutoScrollStep() {
  CRect client = ClientRect();
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(m_hWnd, &p);
  if (p.x < 0) OnScroll(SB_HORZ, SB_LINELEFT, 0);
  else if (p.x > client.right) OnScroll(SB_HORZ, SB_LINERIGHT, 0);
  if (p.y < 0) OnScroll(SB_VERT, SB_LINEUP, 0);
  else if (p.y > client.bottom) OnScroll(SB_VERT, SB_LINEDOWN, 0);
}

// The selection leaves through OLE: memo data, or plain text with Ctrl. A move into this
// same memo has already inserted the copy; the dragged range is then erased.
void CMemoView::DragOut() {
  LIST* first = nullptr;
  LIST* end = nullptr;
  m_doc.GetSel(&first, &end);
  UINT format = KeyDown(VK_CONTROL) ? CF_TEXT : g_cfKaveloDataBus;
  HGLOBAL data = m_doc.GetSelData(static_cast<int>(format));
  m_nMouseState = 0;
  if (data) {
    m_bDragOut = true;
    DWORD effect = DoDragOut(format, data);
    m_bDragOut = false;
    if (effect == DROPEFFECT_MOVE) {
      LIST* now = nullptr;
      m_doc.GetSel(&now, nullptr);
      if (now == first)
        m_doc.Delete();
      else
        m_doc.Erase(first, end, false);
      UpdateScrollBars();
      ScrollToObject(m_doc.GetCurPos());
      Invalidate();
      ShowCaretAt();
    }
  }
  // The release ends through the normal path, which lets the capture go.
  PostMessageA(m_hWnd, WM_LBUTTONUP, m_nPressFlags, MAKELPARAM(m_ptDragStart.x, m_ptDragStart.y));
}

LRESULT CMemoView::OnDragOverData(DROPINFO* info) {
  LIST* node = m_doc.Find(CPoint(info->x, info->y));
  ShowCaretAt(node);
  const bool copy = (info->keyState & MK_CONTROL) != 0;
  if (info->format == CF_TEXT || info->format == g_cfKaveloDataBus) {
    info->effect = copy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    if (m_bDragOut && node && m_doc.IsSelect(node, true) && !copy) info->effect = DROPEFFECT_NONE;
  } else if (info->format == g_cfUniformResourceLocator || info->format == CF_HDROP) {
    info->effect = DROPEFFECT_COPY;
  } else {
    info->effect = copy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;  // a picture
  }
  return 0;
}

LRESULT CMemoView::OnDropData(DROPINFO* info) {
  LIST* node = m_doc.Find(CPoint(info->x, info->y));
  if (node) m_doc.SetCurPos(node);
  m_doc.Insert(static_cast<int>(info->format), info->hData, CPoint(0, 0));
  UpdateScrollBars();
  if (GetFocus() == m_hWnd) {
    ShowCaretAt();
  } else {
    HideCaret(m_hWnd);
    m_nCaretHeight = 0;
  }
  Invalidate();
  return 0;
}

void CMemoView::OnRButtonDown(UINT flags, POINT p) {
  if (flags & MK_LBUTTON) return;
  OpenContextMenu(p);
}

// From the keyboard the menu opens at the caret, whatever point the message carries.
void CMemoView::OnContextMenu() {
  CPoint caret = m_doc.GetCaretPoint(nullptr);
  OpenContextMenu({caret.x, caret.y});
}

void CMemoView::OpenContextMenu(POINT p) {
  if (p.x != 0 || p.y != 0) {
    LIST* node = m_doc.Find(CPoint(p.x, p.y));
    if (node && !m_doc.IsSelect(node, false)) {
      m_doc.SetCurPos(node);
      ShowCaretAt();
      Invalidate();
      UpdateWindow(m_hWnd);
    }
  }
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CONTEXTMENU));
  if (!menu) return;
  ClientToScreen(m_hWnd, &p);
  SetCursor(g_hcurArrow);
  TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, p.x, p.y, 0, GetParent(m_hWnd), nullptr);
  DestroyMenu(menu);
}
