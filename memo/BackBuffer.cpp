// The view's kept off-screen bitmap.
#include "BackBuffer.h"

BackBuffer::~BackBuffer() { Release(); }

void BackBuffer::Release() {
  if (m_dc) {
    SelectObject(m_dc, m_old);
    DeleteDC(m_dc);
  }
  if (m_bitmap) DeleteObject(m_bitmap);
  m_dc = nullptr;
  m_bitmap = nullptr;
  m_width = m_height = 0;
}

HDC BackBuffer::Prepare(HDC target, int width, int height) {
  if (m_dc && width <= m_width && height <= m_height) return m_dc;
  Release();
  width = width > 0 ? width : 1;
  height = height > 0 ? height : 1;
  m_dc = CreateCompatibleDC(target);
  m_bitmap = m_dc ? CreateCompatibleBitmap(target, width, height) : nullptr;
  if (!m_bitmap) {
    Release();
    return nullptr;
  }
  m_old = SelectObject(m_dc, m_bitmap);
  m_width = width;
  m_height = height;
  return m_dc;
}
