// Offscreen bitmaps: drawn through a memory DC, copied as device-independent pixels.
#include "OffscreenBitmap.h"

OffscreenBitmap::OffscreenBitmap(int width, int height, COLORREF background)
    : m_info(), m_dc(CreateCompatibleDC(nullptr)), m_bitmap(nullptr), m_old(nullptr), m_bits(nullptr) {
  m_info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  if (m_dc && width > 0 && height > 0)
    m_bitmap = CreateDIBSection(m_dc, &m_info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
  if (!m_bitmap) {
    m_bits = nullptr;
    return;
  }
  m_old = SelectObject(m_dc, m_bitmap);
  const RECT all = {0, 0, width, height};
  HBRUSH fill = CreateSolidBrush(background);
  FillRect(m_dc, &all, fill);
  DeleteObject(fill);
}

OffscreenBitmap::~OffscreenBitmap() {
  if (m_old) SelectObject(m_dc, m_old);
  if (m_bitmap) DeleteObject(m_bitmap);
  if (m_dc) DeleteDC(m_dc);
}

void OffscreenBitmap::Draw(HDC hdc, const RECT& target) const {
  if (!m_bits) return;
  GdiFlush();
  const int oldMode = SetStretchBltMode(hdc, COLORONCOLOR);
  StretchDIBits(hdc, target.left, target.top, target.right - target.left, target.bottom - target.top,
                0, 0, m_info.bmiHeader.biWidth, -m_info.bmiHeader.biHeight, m_bits, &m_info,
                DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(hdc, oldMode);
}
