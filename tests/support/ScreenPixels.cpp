// A rectangle of the screen as it is shown, pixel by pixel.
#include "ScreenPixels.h"

#include <algorithm>

ScreenPixels::ScreenPixels(const RECT& screen)
    : width_(screen.right - screen.left), height_(screen.bottom - screen.top) {
  if (width_ <= 0 || height_ <= 0) {
    width_ = height_ = 0;
    return;
  }
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC desktop = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(desktop);
  HBITMAP bitmap = CreateDIBSection(desktop, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, desktop, screen.left, screen.top, SRCCOPY);
    GdiFlush();
    const DWORD* first = static_cast<const DWORD*>(bits);
    pixels_.assign(first, first + width_ * height_);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, desktop);
  if (pixels_.empty()) width_ = height_ = 0;
}

ScreenPixels ScreenPixels::OfWindow(HWND hwnd) {
  RECT rect = {};
  GetWindowRect(hwnd, &rect);
  return ScreenPixels(rect);
}

ScreenPixels ScreenPixels::OfClient(HWND hwnd) {
  RECT rect = {};
  GetClientRect(hwnd, &rect);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return ScreenPixels(rect);
}

COLORREF ScreenPixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const DWORD p = pixels_[y * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int ScreenPixels::Count(COLORREF color, int top, int bottom) const {
  int count = 0;
  for (int y = top; y < bottom && y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (At(x, y) == color) ++count;
  return count;
}

int ScreenPixels::Differences(const ScreenPixels& other) const {
  if (width_ != other.width_ || height_ != other.height_)
    return static_cast<int>(std::max(pixels_.size(), other.pixels_.size()));
  int count = 0;
  for (size_t i = 0; i < pixels_.size(); ++i)
    if ((pixels_[i] & 0xFFFFFF) != (other.pixels_[i] & 0xFFFFFF)) ++count;
  return count;
}

int ScreenPixels::InkPixels() const {
  if (pixels_.empty()) return 0;
  const DWORD background = pixels_[0] & 0xFFFFFF;
  return static_cast<int>(std::count_if(pixels_.begin(), pixels_.end(), [background](DWORD p) {
    return (p & 0xFFFFFF) != background;
  }));
}
