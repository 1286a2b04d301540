// The text box: painting its background, the children in view and its frame.
#include "KVObjTBox.h"

namespace {

// Keeps the DC's own clip region (or the fact that it has none) and puts it back exactly,
// so a caller's non-rectangular or empty clipping survives the box's drawing.
class SavedClip {
 public:
  explicit SavedClip(HDC hdc) : m_hdc(hdc), m_region(CreateRectRgn(0, 0, 0, 0)) {
    if (m_region && GetClipRgn(hdc, m_region) != 1) {
      DeleteObject(m_region);
      m_region = nullptr;
    }
  }
  ~SavedClip() {
    SelectClipRgn(m_hdc, m_region);
    if (m_region) DeleteObject(m_region);
  }
  SavedClip(const SavedClip&) = delete;
  SavedClip& operator=(const SavedClip&) = delete;

 private:
  HDC m_hdc;
  HRGN m_region;
};

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

// One pixel inside the right and bottom edges, so the frame stays within the box.
void DrawFrame(HDC hdc, const CRect& box) {
  const POINT corners[] = {{box.left, box.top},
                           {box.right - 1, box.top},
                           {box.right - 1, box.bottom - 1},
                           {box.left, box.bottom - 1},
                           {box.left, box.top}};
  Polyline(hdc, corners, 5);
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
    SavedClip saved(hdc);
    HRGN band = CreateRectRgnIndirect(&visible);
    SelectClipRgn(hdc, band);  // the DC keeps a copy
    DeleteObject(band);
    DrawChildren(*this, pInfo, CPoint(box.left, box.top), visible, bShowSel);
  }
  if (m_nAttr & KV_ATTR_FRAME) DrawFrame(hdc, box);
}
