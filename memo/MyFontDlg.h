// CMyFontDlg: the font dialog of the memo: TrueType, non-vertical fonts of real scripts,
// and no colour (colour has a command of its own); Japanese faces keep Shift-JIS.
#pragma once

#include <windows.h>

class CMyFontDlg {
 public:
  explicit CMyFontDlg(const LOGFONT& initial) : m_logFont(initial) {}
  // True on OK; the chosen font is then m_logFont.
  bool DoModal(HWND owner);

  LOGFONT m_logFont;
};
