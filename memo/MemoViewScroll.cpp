// The memo view's scroll bars and mouse wheel.
#include "KVProfile.h"
#include "MemoView.h"

namespace {

const int kWheelStep = 120;

}  // namespace

void CMemoView::OnScroll(int bar, UINT request, UINT position) {
  UINT amount = position;
  if (request == SB_LINEUP || request == SB_LINEDOWN) {
    amount = 1;
  } else if (request == SB_THUMBPOSITION || request == SB_THUMBTRACK) {
    // The message carries only 16 bits of the thumb; the bar knows all 32.
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(m_hWnd, bar, &info);
    amount = static_cast<UINT>(info.nTrackPos);
  }
  bool moved = bar == SB_VERT ? m_doc.DoVScroll(request, amount) : m_doc.DoHScroll(request, amount);
  if (!moved) return;
  SCROLLINFO info = {};
  m_doc.GetScrollInfo(bar, &info);
  SetScrollInfo(m_hWnd, bar, &info, TRUE);
  Invalidate();
  ShowCaretAt();
}

// The wheel scrolls the memo; with Shift the opened link under the pointer; with Ctrl sideways.
void CMemoView::OnMouseWheel(UINT keys, short delta, POINT screen) {
  int value = KVGetProfileInt(kWheelType) ? -delta : delta;
  UINT steps = static_cast<UINT>((value < 0 ? -value : value) / kWheelStep);
  if (steps == 0) return;
  UINT direction = value >= 0 ? SB_LINEDOWN : SB_LINEUP;
  bool sideways = (keys & MK_CONTROL) != 0;
  if (keys & MK_SHIFT) {
    ScreenToClient(m_hWnd, &screen);
    LIST* node = m_doc.Find(CPoint(screen.x, screen.y));
    bool moved = sideways ? m_doc.DoChildHScroll(direction, steps, node)
                          : m_doc.DoChildVScroll(direction, steps, node);
    if (moved) Invalidate();
    return;
  }
  bool moved = sideways ? m_doc.DoHScroll(direction, steps) : m_doc.DoVScroll(direction, steps);
  if (!moved) return;
  int bar = sideways ? SB_HORZ : SB_VERT;
  SCROLLINFO info = {};
  m_doc.GetScrollInfo(bar, &info);
  SetScrollInfo(m_hWnd, bar, &info, TRUE);
  Invalidate();
  ShowCaretAt();
}
