// The memo view's drags: selecting text, resizing an object by a handle, dragging the
// selection out through OLE and auto-scrolling, and the drops it takes in.
#include <algorithm>

#include "Cursors.h"
#include "KVProfile.h"
#include "KeyState.h"
#include "MemoGlobals.h"
#include "MemoMouse.h"
#include "MemoView.h"
#include "ScopedGdi.h"

namespace {

// The rectangle with the sides of a handle moved to p, never below the minimum size.
RECT ResizedRect(RECT r, HitZone handle, POINT p, SIZE minimum) {
  const bool left = handle == HIT_LEFT || handle == HIT_TOP_LEFT || handle == HIT_BOTTOM_LEFT;
  const bool right = handle == HIT_RIGHT || handle == HIT_TOP_RIGHT || handle == HIT_BOTTOM_RIGHT;
  const bool top = handle == HIT_TOP || handle == HIT_TOP_LEFT || handle == HIT_TOP_RIGHT;
  const bool bottom =
      handle == HIT_BOTTOM || handle == HIT_BOTTOM_LEFT || handle == HIT_BOTTOM_RIGHT;
  if (left) r.left = std::min<LONG>(p.x, r.right - minimum.cx);
  if (right) r.right = std::max<LONG>(p.x, r.left + minimum.cx);
  if (top) r.top = std::min<LONG>(p.y, r.bottom - minimum.cy);
  if (bottom) r.bottom = std::max<LONG>(p.y, r.top + minimum.cy);
  return r;
}

// A one-pixel XOR rubber band: drawn once it shows, drawn again it is gone.
void DrawRubberBand(HWND hwnd, const RECT& r) {
  DrawFocusRect(ScopedClientDC(hwnd), &r);
}

}  // namespace

HCURSOR MemoMouse::HandleCursor(HitZone handle, bool pressed) {
  if (handle <= HIT_RIGHT) return pressed ? g_hcurSizeWEPressed : g_hcurSizeWE;
  if (handle <= HIT_BOTTOM) return pressed ? g_hcurSizeNSPressed : g_hcurSizeNS;
  return pressed ? g_hcurSizeNWSEPressed : g_hcurSizeNWSE;
}

void MemoMouse::BeginDrag(POINT p) {
  KVDocText& doc = m_view.Active();
  LIST* node = nullptr;
  int zone = doc.WhereIs(At(p), &node);
  m_ptDragStart = p;
  if (zone == HIT_NONE) {
    node = doc.Find(At(p));
    zone = HIT_CHARACTER;
  }
  if (!node) return;
  if (IsHandle(zone)) {
    BeginResize(static_cast<HitZone>(zone), node);
  } else {
    if (doc.IsSelect(node, false)) {
      DragOut();
      return;
    }
    m_drag = DragKind::kSelectText;
    SetCursor(g_hcurTextDrag);
    m_pDragTarget = node;
    doc.SetCurPos(node);
    m_view.ShowCaretAt();
    m_view.Invalidate();
  }
  SetCapture(m_view.m_hWnd);
  m_scrollTimer.Start(m_view.m_hWnd, KVGetProfileInt(kAutoScrollTimer));
}

void MemoMouse::BeginResize(HitZone handle, LIST* node) {
  SetCursor(HandleCursor(handle, true));
  m_drag = DragKind::kResize;
  m_handle = handle;
  m_pDragTarget = node;
  m_rcDrag = m_view.ToWindow(m_view.Active().GetCharRect(node));
  DrawRubberBand(m_view.m_hWnd, m_rcDrag);
}

void MemoMouse::DragMove(POINT p) {
  if (m_drag == DragKind::kSelectText) {
    SetCursor(g_hcurTextDrag);
    LIST* node = m_view.Active().Find(At(p));
    if (node) m_view.Active().SetSel(node, m_pDragTarget);
    m_view.ShowCaretAt();
    m_view.Invalidate();
  } else if (m_drag == DragKind::kResize) {
    CSize minimum = m_pDragTarget->pObj->MinSize();
    RECT next = ResizedRect(m_rcDrag, m_handle, p, minimum);
    SetCursor(HandleCursor(m_handle, true));
    DrawRubberBand(m_view.m_hWnd, m_rcDrag);
    DrawRubberBand(m_view.m_hWnd, next);
    m_rcDrag = next;
  }
}

void MemoMouse::EndDrag(POINT p) {
  KVDocText& doc = m_view.Active();
  ReleaseCapture();
  m_scrollTimer.Stop();
  SetCursor(g_hcurArrow);
  if (m_drag == DragKind::kResize) {
    DrawRubberBand(m_view.m_hWnd, m_rcDrag);
    doc.SetListItemSize(m_pDragTarget, CSize(m_rcDrag.right - m_rcDrag.left,
                                             m_rcDrag.bottom - m_rcDrag.top));
    doc.Layout(nullptr);
    doc.SetCurPos(m_pDragTarget);
    m_view.UpdateScrollBars();
  } else if (m_drag == DragKind::kSelectText) {
    LIST* node = doc.Find(At(p));
    if (node) doc.SetSel(node);
  }
  m_drag = DragKind::kNone;
  m_view.ShowCaretAt();
  m_view.Invalidate();
}

void MemoMouse::AutoScrollStep() {
  CRect client = m_view.ClientRect();
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(m_view.m_hWnd, &p);
  if (p.x < 0) m_view.OnScroll(SB_HORZ, SB_LINELEFT, 0);
  else if (p.x > client.right) m_view.OnScroll(SB_HORZ, SB_LINERIGHT, 0);
  if (p.y < 0) m_view.OnScroll(SB_VERT, SB_LINEUP, 0);
  else if (p.y > client.bottom) m_view.OnScroll(SB_VERT, SB_LINEDOWN, 0);
}

// The selection leaves through OLE: memo data, or plain text with Ctrl. A move into this
// same memo has already inserted the copy; the dragged range is then erased.
void MemoMouse::DragOut() {
  KVDocText& doc = m_view.Active();
  LIST* first = nullptr;
  LIST* end = nullptr;
  doc.GetSel(&first, &end);
  UINT format = IsKeyDown(VK_CONTROL) ? CF_TEXT : g_cfKaveloDataBus;
  HGLOBAL data = doc.GetSelData(static_cast<int>(format));
  m_state = State::kIdle;
  if (data) {
    m_bDragOut = true;
    DWORD effect = DoDragOut(format, data);
    m_bDragOut = false;
    if (effect == DROPEFFECT_MOVE) {
      LIST* now = nullptr;
      doc.GetSel(&now, nullptr);
      if (now == first)
        doc.Delete();
      else
        doc.Erase(first, end, false);
      m_view.UpdateScrollBars();
      m_view.ScrollToObject(doc.GetCurPos());
      m_view.Invalidate();
      m_view.ShowCaretAt();
    }
  }
  // The release ends through the normal path, which lets the capture go.
  PostMessageA(m_view.m_hWnd, WM_LBUTTONUP, m_nPressFlags,
               MAKELPARAM(m_ptDragStart.x, m_ptDragStart.y));
}

void MemoMouse::OnDragOver(DROPINFO* info) {
  KVDocText& doc = m_view.Active();
  LIST* node = doc.Find(At({info->x, info->y}));
  m_view.ShowCaretAt(node);
  const bool copy = (info->keyState & MK_CONTROL) != 0;
  if (info->format == CF_TEXT || info->format == g_cfKaveloDataBus) {
    info->effect = copy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    if (m_bDragOut && node && doc.IsSelect(node, true) && !copy) info->effect = DROPEFFECT_NONE;
  } else if (info->format == g_cfUniformResourceLocator || info->format == CF_HDROP) {
    info->effect = DROPEFFECT_COPY;
  } else {
    info->effect = copy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;  // a picture
  }
}

void MemoMouse::OnDrop(const DROPINFO& info) {
  m_view.FollowPoint({info.x, info.y});
  KVDocText& doc = m_view.Active();
  LIST* node = doc.Find(At({info.x, info.y}));
  if (node) doc.SetCurPos(node);
  doc.Insert(static_cast<int>(info.format), info.hData, CPoint(0, 0));
  m_view.UpdateScrollBars();
  if (GetFocus() == m_view.m_hWnd)
    m_view.ShowCaretAt();
  else
    m_view.HideCaretUntilFocus();
  m_view.Invalidate();
}
