// The memo view's left-button state machine, its click actions, hover cursors and the
// context menu.
#include "MemoMouse.h"

#include <cstdlib>

#include "Cursors.h"
#include "KeyState.h"
#include "MemoView.h"
#include "resource.h"

namespace {

enum TimerId : UINT_PTR { kClickTimerId = 1, kScrollTimerId = 2 };

// A menu loaded from the program's resources, destroyed with its owner.
class LoadedMenu {
 public:
  explicit LoadedMenu(int id) : m_menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {}
  ~LoadedMenu() {
    if (m_menu) DestroyMenu(m_menu);
  }
  LoadedMenu(const LoadedMenu&) = delete;
  LoadedMenu& operator=(const LoadedMenu&) = delete;
  HMENU Get() const { return m_menu; }

 private:
  HMENU m_menu;
};

}  // namespace

MemoMouse::MemoMouse(CMemoView& view)
    : m_view(view), m_clickTimer(kClickTimerId), m_scrollTimer(kScrollTimerId) {}

CPoint MemoMouse::At(POINT window) const {
  POINT local = m_view.ToActive(window);
  return CPoint(local.x, local.y);
}

bool MemoMouse::IsInsideClickArea(POINT p) const {
  return std::abs(p.x - m_ptPress.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
         std::abs(p.y - m_ptPress.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
}

void MemoMouse::OnLButtonDown(UINT flags, POINT p) {
  HWND hwnd = m_view.m_hWnd;
  if (m_state == State::kClicked) {
    SetCapture(hwnd);
    m_state = State::kPressedAgain;
    return;
  }
  if (GetFocus() != hwnd) SetFocus(hwnd);
  m_view.FollowPoint(p);
  SetCapture(hwnd);
  m_ptPress = p;
  m_nPressFlags = flags;
  m_clickTimer.Start(hwnd, GetDoubleClickTime());
  m_state = State::kPressed;
}

void MemoMouse::OnLButtonUp(POINT p) {
  switch (m_state) {
    case State::kPressed: m_state = State::kClicked; break;
    case State::kPressedAgain:
      m_clickTimer.Stop();
      m_state = State::kIdle;
      DoubleClick(m_ptPress);
      break;
    case State::kDragging:
      m_state = State::kIdle;
      EndDrag(p);
      break;
    default: break;
  }
  ReleaseCapture();
}

void MemoMouse::OnMouseMove(POINT p) {
  if (m_state == State::kDragging) {
    DragMove(p);
    return;
  }
  if (m_state == State::kIdle || IsInsideClickArea(p)) {
    HoverCursor(p);
    return;
  }
  // Out of the click area a press becomes a drag, a click takes effect, a second press is
  // forgotten.
  m_clickTimer.Stop();
  switch (m_state) {
    case State::kPressed:
      m_state = State::kDragging;
      BeginDrag(m_ptPress);
      if (m_state == State::kDragging) DragMove(p);
      break;
    case State::kClicked:
      m_state = State::kIdle;
      SingleClick(m_ptPress);
      break;
    default: m_state = State::kIdle; break;
  }
}

void MemoMouse::OnTimer(UINT_PTR id) {
  if (id == m_scrollTimer.Id()) {
    AutoScrollStep();
    return;
  }
  if (id != m_clickTimer.Id()) return;
  m_clickTimer.Stop();
  switch (m_state) {
    case State::kPressed:
      m_state = State::kDragging;
      BeginDrag(m_ptPress);  // holding the button starts selecting
      break;
    case State::kClicked:
      m_state = State::kIdle;
      SingleClick(m_ptPress);
      break;
    case State::kPressedAgain: m_state = State::kIdle; break;
    default: break;
  }
}

void MemoMouse::SingleClick(POINT p) {
  KVDocText& doc = m_view.Active();
  LIST* node = doc.Find(At(p));
  if (!node) return;
  const WORD code = node->pObj->m_wCode;
  if (IsKeyDown(VK_SHIFT))
    doc.SetSel(node);
  else if (code < 0xFF00 || code == 0xFFFF)
    doc.SetCurPos(node);
  else
    doc.SetSel(node->pNext, node);  // exactly that object
  m_view.ShowCaretAt();
  m_view.Invalidate();
}

void MemoMouse::DoubleClick(POINT p) {
  LIST* node = nullptr;
  const int zone = m_view.Active().WhereIs(At(p), &node);
  if (zone >= HIT_INSIDE && zone <= HIT_BOTTOM_RIGHT && node) node->pObj->Action();
}

void MemoMouse::HoverCursor(POINT p) {
  LIST* node = nullptr;
  const int zone = m_view.Active().WhereIs(At(p), &node);
  const bool selected = node && m_view.Active().IsSelect(node, false);
  HCURSOR cursor = g_hcurArrow;
  if (zone == HIT_INSIDE)
    cursor = selected ? g_hcurCaption : g_hcurArrow;
  else if (IsHandle(zone))
    cursor = HandleCursor(static_cast<HitZone>(zone), false);
  else if (zone == HIT_CHARACTER)
    cursor = selected ? g_hcurCaption : LoadCursorA(nullptr, IDC_IBEAM);
  SetCursor(cursor);
}

void MemoMouse::OnRButtonDown(UINT flags, POINT p) {
  if (flags & MK_LBUTTON) return;
  m_view.FollowPoint(p);
  OpenContextMenu(p);
}

// From the keyboard the menu opens at the caret, whatever point the message carries.
void MemoMouse::OnContextMenu() {
  CPoint caret = m_view.Active().GetCaretPoint(nullptr);
  CRect at = m_view.ToWindow(CRect(caret.x, caret.y, caret.x, caret.y));
  OpenContextMenu({at.left, at.top});
}

void MemoMouse::OpenContextMenu(POINT p) {
  KVDocText& doc = m_view.Active();
  if (p.x != 0 || p.y != 0) {
    LIST* node = doc.Find(At(p));
    if (node && !doc.IsSelect(node, false)) {
      doc.SetCurPos(node);
      m_view.ShowCaretAt();
      m_view.Invalidate();
      UpdateWindow(m_view.m_hWnd);
    }
  }
  LoadedMenu menu(IDR_CONTEXTMENU);
  if (!menu.Get()) return;
  ClientToScreen(m_view.m_hWnd, &p);
  SetCursor(g_hcurArrow);
  TrackPopupMenu(GetSubMenu(menu.Get(), 0), TPM_RIGHTBUTTON, p.x, p.y, 0,
                 GetParent(m_view.m_hWnd), nullptr);
}
