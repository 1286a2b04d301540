// The text box: painting its background, the lines in view and its frame.
#include "KVFrame.h"
#include "KVObjTBox.h"
#include "ScopedGdi.h"

namespace {

// Whether the selection runs through the start of line k (its first child included).
bool SelectedAtLineStart(const KVObjTBox& box, const TextLines& index, size_t k) {
  if (box.m_pSelTop == box.m_pSelEnd) return false;
  const long top = index.LineOf(box.m_pSelTop);
  const long end = index.LineOf(box.m_pSelEnd);
  if (top >= 0 && end >= 0) return top < static_cast<long>(k) && end >= static_cast<long>(k);
  bool selected = false;
  for (LIST* n = box.m_list.pHead; n && n != index.Lines()[k].first; n = n->pNext) {
    if (n == box.m_pSelTop) selected = true;
    if (n == box.m_pSelEnd) selected = false;
  }
  return selected;
}

// Objects that hold something on screen (a viewer's window, a decoded picture) let it go.
void TellNotDrawn(TextLine& line, LIST* end) {
  if (!line.mayBeShown) return;
  for (LIST* n = line.first; n != end; n = n->pNext)
    if (!KVIsCharCode(n->pObj->m_wCode)) n->pObj->NoDraw();
  line.mayBeShown = false;
}

// Only the vertical position decides: a child beside the band is still drawn, and clipped.
void DrawLine(const KVObjTBox& box, TextLine& line, LIST* end, PAINTINFO* pInfo, CPoint origin,
              const CRect& visible, bool showSel, bool* selected) {
  for (LIST* node = line.first; node != end; node = node->pNext) {
    if (showSel && node == box.m_pSelTop) *selected = true;
    if (node == box.m_pSelEnd) *selected = false;
    KVObject* child = node->pObj;
    int top = origin.y + child->y;
    if (top >= visible.bottom || top + child->cy <= visible.top)
      child->NoDraw();
    else
      child->Draw(pInfo, origin, visible, *selected && node != box.m_list.pTail);
  }
  line.mayBeShown = line.hasObjects;
}

}  // namespace

// Children placed by hand, with no layout since, are all looked at.
void KVObjTBox::DrawLines(PAINTINFO* pInfo, CPoint origin, const CRect& visible, bool showSel) {
  if (!m_lineIndex.Current(m_list.pHead)) {
    TextLine everything = {m_list.pHead, 0, 0, 0, true, true};
    bool selected = false;
    DrawLine(*this, everything, nullptr, pInfo, origin, visible, showSel, &selected);
    return;
  }
  std::vector<TextLine>& lines = m_lineIndex.Lines();
  bool selected = false;
  bool first = true;
  for (size_t k = 0; k < lines.size(); ++k) {
    LIST* end = m_lineIndex.EndOf(k);
    if (origin.y + lines[k].bottom <= visible.top || origin.y + lines[k].top >= visible.bottom) {
      TellNotDrawn(lines[k], end);
      continue;
    }
    if (first) selected = showSel && SelectedAtLineStart(*this, m_lineIndex, k);
    first = false;
    DrawLine(*this, lines[k], end, pInfo, origin, visible, showSel, &selected);
  }
}

void KVObjTBox::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bShowSel) {
  CRect box(origin.x + x, origin.y + y, origin.x + x + cx, origin.y + y + cy);
  CRect visible;
  if (!IntersectRect(&visible, &box, &clip)) return;
  HDC hdc = pInfo->pDC->GetSafeHdc();
  HBRUSH background = CreateSolidBrush(m_crBackColor);
  FillRect(hdc, &visible, background);
  DeleteObject(background);
  {
    ScopedClipRect band(hdc, visible);
    DrawLines(pInfo, CPoint(box.left, box.top), visible, bShowSel);
  }
  if (m_nAttr & KV_ATTR_FRAME) KVDrawFrame(hdc, box);
}
