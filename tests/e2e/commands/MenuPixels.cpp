// Which items of an open pop-up menu are greyed, read from what the menu shows.
#include "MenuPixels.h"

#include "Poll.h"
#include "ScreenPixels.h"

namespace {

const COLORREF kGreyedText = RGB(128, 128, 128);
// A separator is a line or two; an item's text is taller than this.
const int kMinTextRows = 6;
// The frame of the menu window is left out of the scan.
const int kFrame = 4;

bool RowHasInk(const ScreenPixels& pixels, int y) {
  const COLORREF background = pixels.At(kFrame - 1, y);
  for (int x = kFrame; x < pixels.Width() - kFrame; ++x)
    if (pixels.At(x, y) != background) return true;
  return false;
}

}  // namespace

std::vector<bool> GreyedItems(HWND menuWindow) {
  const ScreenPixels pixels = ScreenPixels::OfWindow(menuWindow);
  const COLORREF text = GetSysColor(COLOR_MENUTEXT);
  std::vector<bool> greyed;
  int top = -1;
  for (int y = kFrame; y <= pixels.Height() - kFrame; ++y) {
    const bool ink = y < pixels.Height() - kFrame && RowHasInk(pixels, y);
    if (ink && top < 0) top = y;
    if (ink || top < 0) continue;
    if (y - top >= kMinTextRows)
      greyed.push_back(pixels.Count(kGreyedText, top, y) > pixels.Count(text, top, y));
    top = -1;
  }
  return greyed;
}

namespace {

std::string ReadPattern(HWND menuWindow) {
  std::string pattern;
  for (bool item : GreyedItems(menuWindow)) pattern += item ? 'g' : 'e';
  return pattern;
}

}  // namespace

std::string GreyedPattern(HWND menuWindow) {
  std::string pattern;
  WaitUntil(
      [&] {
        const std::string earlier = ReadPattern(menuWindow);
        Sleep(50);
        pattern = ReadPattern(menuWindow);
        return !pattern.empty() && pattern == earlier;
      },
      5000);
  return pattern;
}
