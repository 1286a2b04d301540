// A 32-bit top-down DIB selected into a memory DC, for checking drawing pixel by pixel.
#pragma once

#include <windows.h>

#include <vector>

#include "DC.h"

// White to start with; text is drawn transparently.
class Canvas {
 public:
  Canvas(int width, int height)
      : m_width(width), m_height(height), m_dc(CreateCompatibleDC(nullptr)), cdc(m_dc) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
    m_old = SelectObject(m_dc, m_bitmap);
    PatBlt(m_dc, 0, 0, width, height, WHITENESS);
    SetBkMode(m_dc, TRANSPARENT);  // a space then draws nothing but its selected look
  }
  ~Canvas() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  COLORREF Pixel(int px, int py) const {
    GdiFlush();
    DWORD bgr = static_cast<DWORD*>(m_bits)[py * m_width + px];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  std::vector<DWORD> Pixels() const {
    GdiFlush();
    const DWORD* bits = static_cast<DWORD*>(m_bits);
    return std::vector<DWORD>(bits, bits + m_width * m_height);
  }
  HDC Dc() const { return m_dc; }

 private:
  int m_width, m_height;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
  void* m_bits;

 public:
  CDC cdc;
};
