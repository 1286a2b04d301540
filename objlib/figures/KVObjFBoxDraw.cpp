// Drawing a figure box: background, the children in view in list order (later ones on
// top), and the frame.
#include "KVFrame.h"
#include "KVObjFBox.h"
#include "ScopedGdi.h"

// Children are placed freely and stacked in list order, so one below the visible band
// does not end the visit: a later child may still lie in view. A child out of the band
// is told it is not drawn, so an embedded viewer hides, as in the text box.
void KVObjFBox::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bShowSel) {
  CRect box(origin.x + x, origin.y + y, origin.x + x + cx, origin.y + y + cy);
  CRect visible;
  if (!IntersectRect(&visible, &box, &clip)) return;
  HDC hdc = pInfo->pDC->GetSafeHdc();
  HBRUSH background = CreateSolidBrush(m_crBackColor);
  FillRect(hdc, &visible, background);
  DeleteObject(background);
  {
    ScopedClipRect band(hdc, visible);
    const CPoint topLeft(box.left, box.top);
    for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) {
      KVObject* child = n->pObj;
      const int top = box.top + child->y;
      if (top >= visible.bottom || top + child->cy <= visible.top)
        child->NoDraw();
      else
        child->Draw(pInfo, topLeft, visible, bShowSel && child->m_bSelected);
    }
  }
  if (m_nAttr & 1) KVDrawFrame(hdc, box);
}
