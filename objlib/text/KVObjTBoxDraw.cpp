// The text box: painting its background, the children in view and its frame.
#include "KVFrame.h"
#include "KVObjTBox.h"
#include "ScopedGdi.h"

namespace {

// Only the vertical position decides: a child beside the band is still drawn, and clipped.
void DrawChildren(const KVObjTBox& box, PAINTINFO* pInfo, CPoint origin, const CRect& visible,
                  bool showSel) {
  bool selected = false;
  for (LIST* node = box.m_list.pHead; node; node = node->pNext) {
    if (showSel && node == box.m_pSelTop) selected = true;
    if (node == box.m_pSelEnd) selected = false;
    KVObject* child = node->pObj;
    int top = origin.y + child->y;
    if (top >= visible.bottom || top + child->cy <= visible.top)
      child->NoDraw();
    else
      child->Draw(pInfo, origin, visible, selected && node != box.m_list.pTail);
  }
}

}  // namespace

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
    DrawChildren(*this, pInfo, CPoint(box.left, box.top), visible, bShowSel);
  }
  if (m_nAttr & KV_ATTR_FRAME) KVDrawFrame(hdc, box);
}
