// The document as a view shows it: size, device conversion, scroll bars, scrolling, drawing.
#include <algorithm>

#include "KVFrame.h"
#include "KVObjDoc.h"

namespace {

const int kLineStep = 20;  // reference pixels per scrolled line

const int kScrollMargin = 24;  // scrolling to an object shows this much beyond it

// Moves one axis so that [low, high) of an object shows in [viewLow, viewHigh).
bool ScrollAxisTo(int low, int high, int viewLow, int viewHigh, int greatest, int* pScroll) {
  int before = *pScroll;
  if (low < viewLow)
    *pScroll = std::max(0, *pScroll + (low - viewLow - kScrollMargin));
  else if (high > viewHigh)
    *pScroll = std::min(greatest, *pScroll + (high - viewHigh + kScrollMargin));
  return *pScroll != before;
}

// Scroll-bar information for one axis: view length against content length.
void FillAxis(SCROLLINFO* pInfo, int view, int content, int* pPosition) {
  pInfo->cbSize = sizeof(SCROLLINFO);
  pInfo->fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  pInfo->nMin = 0;
  if (view < content) {
    int greatest = std::max(content - view, 0);
    if (*pPosition > greatest) *pPosition = greatest;
    pInfo->nMax = content;
    pInfo->nPage = view;
  } else {
    pInfo->nMax = 100000;
    pInfo->nPage = 99999;
    *pPosition = 0;
  }
  pInfo->nPos = *pPosition;
}

// One scroll step on one axis; false when the position stays.
bool ScrollAxis(unsigned code, unsigned value, int view, int content, int* pPosition) {
  const int limit = std::max(content - view, 0);
  const int position = *pPosition;
  int next = position;
  switch (code) {
    case SB_LINEUP: next = std::max(position - static_cast<int>(value) * kLineStep, 0); break;
    case SB_LINEDOWN: next = std::min(position + static_cast<int>(value) * kLineStep, limit); break;
    case SB_PAGEUP: next = std::max(position - view, 0); break;
    case SB_PAGEDOWN: next = std::min(position + view, limit); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: *pPosition = std::min(static_cast<int>(value), limit); return true;
    case SB_TOP: next = 0; break;
    case SB_BOTTOM: next = limit; break;
    default: return false;
  }
  if (next == position) return false;
  *pPosition = next;
  return true;
}

}  // namespace

void KVObjDoc::SetSize(CSize size) {
  cx = size.cx;
  cy = size.cy;
  m_pContent->SetSize(size);
}

void KVObjDoc::CalcSize(HDC hdc) {
  KVObject::CalcSize(hdc);
  if (hdc) {
    m_nScrollX = DevPixelX(m_nScrollX, hdc);
    m_nScrollY = DevPixelY(m_nScrollY, hdc);
  }
  m_pContent->CalcSize(hdc);
}

int KVObjDoc::GetScrollInfo(int nBar, SCROLLINFO* pInfo) {
  if (nBar == SB_VERT)
    FillAxis(pInfo, cy, m_pContent->cy, &m_nScrollY);
  else
    FillAxis(pInfo, cx, m_pContent->cx, &m_nScrollX);
  return 0;
}

bool KVObjDoc::DoVScroll(unsigned code, unsigned value) {
  return ScrollAxis(code, value, cy, m_pContent->cy, &m_nScrollY);
}

bool KVObjDoc::DoHScroll(unsigned code, unsigned value) {
  return ScrollAxis(code, value, cx, m_pContent->cx, &m_nScrollX);
}

void KVObjDoc::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) {
  CRect box(x + origin.x, y + origin.y, x + origin.x + cx, y + origin.y + cy);
  CRect visible;
  if (!IntersectRect(&visible, &box, &clip)) return;
  HDC hdc = pInfo->pDC->GetSafeHdc();
  HBRUSH brush = CreateSolidBrush(m_pContent->m_crBackColor);
  FillRect(hdc, &visible, brush);
  CPoint contentOrigin(box.left - m_nScrollX, box.top - m_nScrollY);
  m_pContent->Draw(pInfo, contentOrigin, visible, bSelected);
  if (m_nAttr & 1) KVDrawFrame(hdc, box);
  DeleteObject(brush);
}

bool KVObjDoc::ScrollToObject(CRect view, LIST* pNode) {
  view.OffsetRect(m_nScrollX, m_nScrollY);
  const KVObject* o = pNode->pObj;
  CRect object(o->x, o->y, o->x + o->cx, o->y + o->cy);
  object.OffsetRect(m_pContent->x, m_pContent->y);
  if (object.left >= view.left && object.right <= view.right && object.top >= view.top &&
      object.bottom <= view.bottom)
    return false;
  const int maxX = std::max(0, m_pContent->cx - view.Width());
  const int maxY = std::max(0, m_pContent->cy - view.Height());
  bool movedX = ScrollAxisTo(object.left, object.right, view.left, view.right, maxX, &m_nScrollX);
  bool movedY = ScrollAxisTo(object.top, object.bottom, view.top, view.bottom, maxY, &m_nScrollY);
  return movedX || movedY;
}
