// Drawing a link: background, icon, caption, the document opened in place (or its empty
// slot crossed), selection, border, and a missing target crossed out.
#include "KVFont.h"
#include "KVFrame.h"
#include "KVObjDoc.h"
#include "KVObjLink.h"
#include "OffscreenBitmap.h"

namespace {

void Diagonal(HDC hdc, const RECT& r) {
  MoveToEx(hdc, r.left, r.top, nullptr);
  LineTo(hdc, r.right, r.bottom);
}

// Two pixels wide, inside the slot, in the selection colour.
void DrawEditingFrame(HDC hdc, RECT r) {
  HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHT);
  for (int i = 0; i < 2; ++i) {
    FrameRect(hdc, &r, brush);
    InflateRect(&r, -1, -1);
  }
}

RECT Moved(const RECT& r, POINT by) {
  return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

}  // namespace

void KVObjLink::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) {
  CRect box(x + origin.x, y + origin.y, x + origin.x + cx, y + origin.y + cy);
  CRect visible;
  if (!IntersectRect(&visible, &box, &clip)) return;
  CDC* dc = pInfo->pDC;
  HDC hdc = dc->GetSafeHdc();
  dc->FillSolidRect(visible, m_crBackColor);

  // A paint of the document opened in place alone (an edit there) leaves icon and caption.
  RECT captionRow = {box.left, box.top, box.right, box.top + m_rcCaption.bottom}, shown;
  const bool captionShows = IntersectRect(&shown, &captionRow, &clip) != FALSE;
  if (captionShows && (m_nAttr & LA_ICON) && m_file.FileType() != FT_MISSING) {
    if (HICON icon = m_file.GetFileIcon()) {
      CSize cell = IconSize(hdc);
      const int small = GetSystemMetrics(SM_CXSMICON);
      int w = DevPixelX(small, hdc), h = DevPixelY(small, hdc);
      const int left = box.left + (cell.cx - w) / 2, top = box.top + (cell.cy - h) / 2;
      // Drawn through a bitmap: not every printer driver takes icons.
      OffscreenBitmap picture(small, small, m_crBackColor);
      if (picture.Dc()) DrawIconEx(picture.Dc(), 0, 0, icon, small, small, 0, nullptr, DI_NORMAL);
      picture.Draw(hdc, {left, top, left + w, top + h});
      DestroyIcon(icon);
    }
  }
  if (m_crColor != pInfo->crColor) {
    dc->SetTextColor(m_crColor);
    pInfo->crColor = m_crColor;
  }
  // As for characters: the pass's font is replaced and recorded (see KVPaintPass).
  if (!KVIsFontEqual(&m_logFont, &pInfo->lfFont)) {
    DeleteObject(dc->SelectObject(GetFont(hdc)));
    pInfo->lfFont = m_logFont;
  }
  char caption[MAX_PATH];
  GetCaption(m_nAttr, caption);
  RECT captionRect = Moved(m_rcCaption, box.TopLeft());
  int oldMode = SetBkMode(hdc, TRANSPARENT);
  if (captionShows)
    DrawTextA(hdc, caption, -1, &captionRect, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_LEFT);
  SetBkMode(hdc, oldMode);

  if (m_pChild) {
    m_pChild->Draw(pInfo, box.TopLeft(), visible, m_bEditing);
    if (m_bEditing) DrawEditingFrame(hdc, Moved(m_rcChild, box.TopLeft()));
  } else if (m_rcChild.right > m_rcChild.left && m_rcChild.bottom > m_rcChild.top) {
    RECT slot = Moved(m_rcChild, box.TopLeft());
    KVDrawFrame(hdc, slot);
    Diagonal(hdc, slot);
  }
  if (bSelected) dc->InvertRect(box);
  if (m_nAttr & LA_BORDER) KVDrawFrame(hdc, box);
  if (m_file.FileType() == FT_MISSING) Diagonal(hdc, box);
}
