// The memo view's left button: a five-state machine that tells clicks, double clicks and
// drags apart with a click timer (the class has no double-click style), and the drags.
#include <cstdlib>

#include "Cursors.h"
#include "KVProfile.h"
#include "MemoView.h"

namespace {

enum MouseState { IDLE = 0, PRESSED = 1, CLICKED = 2, PRESSED_AGAIN = 3, DRAGGING = 4 };
enum Timer { CLICK_TIMER = 1, SCROLL_TIMER = 2 };

bool KeyDown(int key) { return GetKeyState(key) < 0; }

// The cursors of a resize handle: WhereIs codes 2-3 left/right, 4-5 top/bottom, 6-9 corners.
HCURSOR HandleCursor(int code) {
  if (code <= 3) return g_hcurSizeWE;
  if (code <= 5) return g_hcurSizeNS;
  return g_hcurSizeNWSE;
}

}  // namespace

bool CMemoView::IsInsideClickArea(POINT p) const {
  return std::abs(p.x - m_ptPress.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
         std::abs(p.y - m_ptPress.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
}

void CMemoView::KillClickTimer() {
  if (m_nClickTimer) KillTimer(m_hWnd, m_nClickTimer);
  m_nClickTimer = 0;
}

void CMemoView::OnLButtonDown(UINT flags, POINT p) {
  if (m_nMouseState == CLICKED) {
    SetCapture(m_hWnd);
    m_nMouseState = PRESSED_AGAIN;
    return;
  }
  if (GetFocus() != m_hWnd) SetFocus(m_hWnd);
  SetCapture(m_hWnd);
  m_ptPress = p;
  m_nPressFlags = flags;
  m_nClickTimer = SetTimer(m_hWnd, CLICK_TIMER, GetDoubleClickTime(), nullptr);
  m_nMouseState = PRESSED;
}

void CMemoView::OnLButtonUp(POINT p) {
  switch (m_nMouseState) {
    case PRESSED: m_nMouseState = CLICKED; break;
    case PRESSED_AGAIN:
      KillClickTimer();
      m_nMouseState = IDLE;
      DoubleClick(m_ptPress);
      break;
    case DRAGGING:
      m_nMouseState = IDLE;
      EndDrag(p);
      break;
  }
  ReleaseCapture();
}

void CMemoView::OnMouseMove(POINT p) {
  switch (m_nMouseState) {
    case IDLE: HoverCursor(p); break;
    case PRESSED:
      if (IsInsideClickArea(p)) {
        HoverCursor(p);
        break;
      }
      m_nMouseState = DRAGGING;
      KillClickTimer();
      BeginDrag(m_ptPress);
      if (m_nMouseState == DRAGGING) DragMove(p);
      break;
    case CLICKED:
      if (IsInsideClickArea(p)) {
        HoverCursor(p);
        break;
      }
      m_nMouseState = IDLE;
      KillClickTimer();
      SingleClick(m_ptPress);
      break;
    case PRESSED_AGAIN:
      if (IsInsideClickArea(p)) {
        HoverCursor(p);
        break;
      }
      KillClickTimer();
      m_nMouseState = IDLE;
      break;
    case DRAGGING: DragMove(p); break;
  }
}

void CMemoView::OnTimer(UINT_PTR id) {
  if (id == SCROLL_TIMER) {
    AutoScrollStep();
    return;
  }
  if (id != CLICK_TIMER) return;
  KillClickTimer();
  switch (m_nMouseState) {
    case PRESSED:
      m_nMouseState = DRAGGING;
      BeginDrag(m_ptPress);  // holding the button starts selecting
      break;
    case CLICKED:
      m_nMouseState = IDLE;
      SingleClick(m_ptPress);
      break;
    case PRESSED_AGAIN: m_nMouseState = IDLE; break;
  }
}

void CMemoView::SingleClick(POINT p) {
  LIST* node = m_doc.Find(CPoint(p.x, p.y));
  if (!node) return;
  const WORD code = node->pObj->m_wCode;
  if (KeyDown(VK_SHIFT))
    m_doc.SetSel(node);
  else if (code < 0xFF00 || code == 0xFFFF)
    m_doc.SetCurPos(node);
  else
    m_doc.SetSel(node->pNext, node);  // exactly that object
  ShowCaretAt();
  Invalidate();
}

void CMemoView::DoubleClick(POINT p) {
  LIST* node = nullptr;
  int code = m_doc.WhereIs(CPoint(p.x, p.y), &node);
  if (code >= 1 && code <= 9 && node) node->pObj->Action();
}

void CMemoView::HoverCursor(POINT p) {
  LIST* node = nullptr;
  int code = m_doc.WhereIs(CPoint(p.x, p.y), &node);
  bool selected = node && m_doc.IsSelect(node, false);
  HCURSOR cursor = g_hcurArrow;
  if (code == 1) cursor = selected ? g_hcurCaption : g_hcurArrow;
  else if (code >= 2 && code <= 9) cursor = HandleCursor(code);
  else if (code == KV_HIT_CHARACTER) cursor = selected ? g_hcurCaption : LoadCursorA(nullptr, IDC_IBEAM);
  SetCursor(cursor);
}
