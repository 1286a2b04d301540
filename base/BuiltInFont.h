// The font memos are written in when the settings name none. Header-only: the options
// editor, which links nothing of the library, offers the same font.
#pragma once

#include <windows.h>

#include <cstring>

#include "ScopedGdi.h"

// "ＭＳ Ｐゴシック" at 10 points for the desktop's resolution, Shift-JIS. A stock font would
// not do: it is no TrueType face, so the font dialog could not show it, and it may not
// draw Japanese at all.
inline LOGFONTA BuiltInMemoFont() {
  ScopedWindowDC desktop(GetDesktopWindow());
  int dpi = desktop.Get() ? GetDeviceCaps(desktop, LOGPIXELSY) : 0;
  LOGFONTA font = {};
  font.lfHeight = -MulDiv(10, dpi > 0 ? dpi : 96, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strcpy(font.lfFaceName, "ＭＳ Ｐゴシック");
  return font;
}
