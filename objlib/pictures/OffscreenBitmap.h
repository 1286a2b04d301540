// A 32-bit bitmap in a memory DC of its own, filled with a colour, to be drawn into at the
// screen's resolution and then copied to any device at any size. Printer drivers take such
// bitmaps, but not everything else (Wine's PostScript driver faults on an icon's alpha
// blending), and a plug-in that paints pixels paints them at the screen's size.
#pragma once

#include <windows.h>

class OffscreenBitmap {
 public:
  OffscreenBitmap(int width, int height, COLORREF background);
  ~OffscreenBitmap();
  OffscreenBitmap(const OffscreenBitmap&) = delete;
  OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

  // Null when the bitmap could not be made.
  HDC Dc() const { return m_bits ? m_dc : nullptr; }
  // Copies the whole picture stretched into target.
  void Draw(HDC hdc, const RECT& target) const;

 private:
  BITMAPINFO m_info;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
  void* m_bits;
};
