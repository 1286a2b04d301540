// The font memos are written in when the settings name none, and the font dialog of the
// programs, which keeps Japanese faces in the character set that can show memo text.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstring>

#include "../objlib/settings/ScopedGdi.h"

// "ＭＳ Ｐゴシック" at 10 points for the desktop's resolution, Shift-JIS. A stock font would
// not do: it is no TrueType face, so the font dialog could not show it, and it may not
// draw Japanese at all. Inline, because the library uses it without the framework.
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

// The platform font dialog with TrueType faces only and no vertical ones (flags adds to
// that, a hook needs CF_ENABLEHOOK among them). It starts on *font, or on the built-in
// font when *font's face is not offered; a face that has the Japanese character set comes
// back in it whatever script was picked, since memo text is Shift-JIS. True on OK, with
// the choice in *font.
bool ChooseMemoFont(HWND owner, DWORD flags, LPCFHOOKPROC hook, LOGFONTA* font);
