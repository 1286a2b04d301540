// Drawing a bitmap: stretched into its box, or at its own size, scaled up on a printer.
#include "KVFont.h"
#include "KVFrame.h"
#include "KVObjBmap.h"
#include "SavedDC.h"

// Inside the frame's first pixel. A printer's resolution differs from the screen's, and
// there the picture keeps its size on paper.
RECT KVObjBmap::PictureRect(HDC hdc, const RECT& box) const {
  if (m_nAttr & BA_STRETCH) return {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
  const KVResolution screen = KVGetReferenceResolution();
  long long width = Width(), height = Height();
  if (GetDeviceCaps(hdc, LOGPIXELSX) != screen.x) {
    width = GetDeviceCaps(hdc, LOGPIXELSX) * width / screen.x;
    height = GetDeviceCaps(hdc, LOGPIXELSY) * height / screen.y;
  }
  return {box.left + 1, box.top + 1, box.left + 1 + static_cast<int>(width),
          box.top + 1 + static_cast<int>(height)};
}

// The picture never spills out of the object's box, where the next object stands.
void KVObjBmap::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) {
  CRect box(x + origin.x, y + origin.y, x + origin.x + cx, y + origin.y + cy);
  CRect visible;
  if (!IntersectRect(&visible, &box, &clip)) return;
  HDC hdc = pInfo->pDC->GetSafeHdc();
  if (m_pData) {
    const RECT target = PictureRect(hdc, box);
    SavedDC saved(hdc, visible);
    SetStretchBltMode(hdc, COLORONCOLOR);
    StretchDIBits(hdc, target.left, target.top, target.right - target.left,
                  target.bottom - target.top, 0, 0, Width(), Height(), m_pBits, m_pInfo,
                  DIB_RGB_COLORS, SRCCOPY);
  }
  if (m_nAttr & 1) KVDrawFrame(hdc, box);
  if (bSelected) pInfo->pDC->InvertRect(box);
}
