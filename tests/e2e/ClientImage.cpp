// The pixels of a window's client area as they are on the screen.
#include "ClientImage.h"

#include <algorithm>

ClientImage ClientImage::Capture(HWND hwnd) {
  ClientImage image;
  RECT client = {};
  GetClientRect(hwnd, &client);
  POINT origin = {0, 0};
  ClientToScreen(hwnd, &origin);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return image;

  // A top-down 32-bit DIB section, so the pixels can be read in place.
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const DWORD* first = static_cast<const DWORD*>(bits);
    image.pixels_.assign(first, first + width * height);
    image.width_ = width;
    image.height_ = height;
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

int ClientImage::Differences(const ClientImage& other) const {
  if (width_ != other.width_ || height_ != other.height_)
    return static_cast<int>(std::max(pixels_.size(), other.pixels_.size()));
  int count = 0;
  for (size_t i = 0; i < pixels_.size(); ++i)
    if ((pixels_[i] & 0xFFFFFF) != (other.pixels_[i] & 0xFFFFFF)) ++count;
  return count;
}

int ClientImage::InkPixels() const {
  if (pixels_.empty()) return 0;
  const DWORD background = pixels_[0] & 0xFFFFFF;
  return static_cast<int>(std::count_if(pixels_.begin(), pixels_.end(), [background](DWORD p) {
    return (p & 0xFFFFFF) != background;
  }));
}
