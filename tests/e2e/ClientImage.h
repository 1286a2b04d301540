// The pixels of a window's client area as they are on the screen.
#pragma once

#include <windows.h>

#include <vector>

class ClientImage {
 public:
  // Copies the client area from the screen; the window must be visible and uncovered.
  static ClientImage Capture(HWND hwnd);

  bool Empty() const { return pixels_.empty(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Pixels that differ from the other image (all of them when the sizes differ).
  int Differences(const ClientImage& other) const;
  // Pixels that differ from the colour of the top-left pixel: the drawn content.
  int InkPixels() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;
};
