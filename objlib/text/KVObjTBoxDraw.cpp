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
void TellNotDrawn(TextLines& index, size_t k) {
  TextLine& line = index.Lines()[k];
  if (!line.mayBeShown) return;
  for (LIST* n = line.first; n != index.EndOf(k); n = n->pNext)
    if (!KVIsCharCode(n->pObj->m_wCode)) n->pObj->NoDraw();
  index.SetShown(line, false);
}

// Only the vertical position decides: a child beside the band is still drawn, and clipped.
void DrawLine(const KVObjTBox& box, const TextLine& line, LIST* end, PAINTINFO* pInfo,
              CPoint origin, const CRect& visible, bool showSel, bool* selected) {
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
}

}  // namespace

// Lines out of view are looked at only while one of them may still show an object.
void KVObjTBox::DrawLines(PAINTINFO* pInfo, CPoint origin, const CRect& visible, bool showSel) {
  if (!m_lineIndex.Current(m_list.pHead)) {
    TextLine everything = {m_list.pHead, 0, 0, 0, true, true};
    bool selected = false;
    DrawLine(*this, everything, nullptr, pInfo, origin, visible, showSel, &selected);
    return;
  }
  std::vector<TextLine>& lines = m_lineIndex.Lines();
  const size_t first = m_lineIndex.LineBelow(visible.top - origin.y);
  size_t end = first;
  size_t shownInView = 0;
  for (; end < lines.size() && origin.y + lines[end].top < visible.bottom; ++end)
    shownInView += lines[end].mayBeShown;
  const bool outsideShown = m_lineIndex.ShownCount() > shownInView;
  for (size_t k = 0; outsideShown && k < first; ++k) TellNotDrawn(m_lineIndex, k);
  bool selected = showSel && first < end && SelectedAtLineStart(*this, m_lineIndex, first);
  for (size_t k = first; k < end; ++k) {
    DrawLine(*this, lines[k], m_lineIndex.EndOf(k), pInfo, origin, visible, showSel, &selected);
    m_lineIndex.SetShown(lines[k], lines[k].hasObjects);
  }
  for (size_t k = end; outsideShown && k < lines.size(); ++k) TellNotDrawn(m_lineIndex, k);
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
