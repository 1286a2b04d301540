// What the benchmarks share: the memo font they measure with and a millisecond clock.
#pragma once

#include <windows.h>

#include <chrono>

// A Japanese Gothic font of 16 pixels, as memos commonly use.
inline LOGFONT BenchFont() {
  LOGFONT font = {};
  font.lfHeight = -16;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpyA(font.lfFaceName, "ＭＳ ゴシック");
  return font;
}

inline double MsSince(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}
