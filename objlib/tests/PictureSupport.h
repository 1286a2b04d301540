// Pictures for the bitmap and image tests: patterned DIB sections, hand-built bitmap
// segments, and the pixels a picture is expected to show.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "TestSupport.h"

// Four quadrants of distinct colours, so position, orientation and scale all show.
inline COLORREF QuadrantColour(int px, int py, int width, int height) {
  static const COLORREF kColours[4] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255),
                                       RGB(255, 200, 0)};
  return kColours[(px >= width / 2 ? 1 : 0) + (py >= height / 2 ? 2 : 0)];
}

// A bottom-up DIB section of the given depth whose pixel (px, py) (top first) shows
// QuadrantColour; palettes hold the four colours first, then grey.
class PatternBitmap {
 public:
  PatternBitmap(int width, int height, int bits) : m_width(width), m_height(height) {
    std::vector<BYTE> block(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
    info->bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, static_cast<WORD>(bits), BI_RGB,
                       0, 0, 0, 0, 0};
    for (int i = 0; i < 256; ++i) {
      COLORREF c = i < 4 ? QuadrantColour(i % 2 * width, i / 2 * height, width, height)
                         : RGB(i, i, i);
      info->bmiColors[i] = {GetBValue(c), GetGValue(c), GetRValue(c), 0};
    }
    void* pixels = nullptr;
    m_bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, m_bitmap);
    for (int py = 0; py < height; ++py)
      for (int px = 0; px < width; ++px) SetPixel(dc, px, py, QuadrantColour(px, py, width, height));
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  ~PatternBitmap() {
    if (m_bitmap) DeleteObject(m_bitmap);
  }
  PatternBitmap(const PatternBitmap&) = delete;
  PatternBitmap& operator=(const PatternBitmap&) = delete;
  HBITMAP Get() const { return m_bitmap; }
  // Hands the bitmap to someone who will delete it (the clipboard).
  HBITMAP Release() {
    HBITMAP bitmap = m_bitmap;
    m_bitmap = nullptr;
    return bitmap;
  }
  COLORREF At(int px, int py) const { return QuadrantColour(px, py, m_width, m_height); }

 private:
  int m_width, m_height;
  HBITMAP m_bitmap;
};

// A bitmap segment laid out by hand: the current layout, or the one before version 256
// (no x and y). The palette is written with `colours` entries of grey.
inline Bytes BmapSegment(unsigned attr, int x, int y, int cx, int cy, int width, int height,
                         int bits, const Bytes& pixels, bool old = false) {
  const unsigned colours = bits <= 8 ? 1u << bits : 0;
  Bytes palette;
  for (unsigned i = 0; i < colours; ++i) palette += U32((i * 0x010101u) & 0xFFFFFF);
  Bytes header = U32(40) + U32(width) + U32(height) + U16(1) + U16(bits) + U32(0) + U32(0) +
                 U32(0) + U32(0) + U32(colours) + U32(colours);
  Bytes place = old ? U32(cx) + U32(cy) : U32(x) + U32(y) + U32(cx) + U32(cy);
  return Segment(SEG_BMAP, U32(attr) + place + header + palette + U32(0) + pixels);
}

// Counts the pixels of a rectangle that are not within tolerance of what colourAt says.
template <typename CanvasT, typename ColourAt>
int Mismatches(const CanvasT& canvas, const RECT& area, ColourAt colourAt, int tolerance = 0) {
  int wrong = 0;
  for (int py = area.top; py < area.bottom; ++py)
    for (int px = area.left; px < area.right; ++px) {
      COLORREF got = canvas.Pixel(px, py), want = colourAt(px - area.left, py - area.top);
      if (std::abs(GetRValue(got) - GetRValue(want)) > tolerance ||
          std::abs(GetGValue(got) - GetGValue(want)) > tolerance ||
          std::abs(GetBValue(got) - GetBValue(want)) > tolerance)
        ++wrong;
    }
  return wrong;
}
