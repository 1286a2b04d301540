// A rectangle of the screen as it is shown, pixel by pixel.
#pragma once

#include <windows.h>

#include <vector>

class ScreenPixels {
 public:
  // Copies the rectangle (screen coordinates) from the screen.
  explicit ScreenPixels(const RECT& screen);
  // A window as it stands on the screen, frame included.
  static ScreenPixels OfWindow(HWND hwnd);
  // A window's client area; the window must be visible and uncovered.
  static ScreenPixels OfClient(HWND hwnd);

  bool Empty() const { return pixels_.empty(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int x, int y) const;
  // Pixels of one colour in a band of rows.
  int Count(COLORREF color, int top, int bottom) const;
  // Pixels that differ from the other image (all of them when the sizes differ).
  int Differences(const ScreenPixels& other) const;
  // Pixels that differ from the colour of the top-left pixel: the drawn content.
  int InkPixels() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;  // 0x00RRGGBB, top-down
};
