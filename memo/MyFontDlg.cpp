// The font dialog with its colour list disabled as it opens.
#include "MyFontDlg.h"

#include <commdlg.h>

namespace {

const int kColorList = 1139;

UINT_PTR CALLBACK DisableColorList(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) EnableWindow(GetDlgItem(dialog, kColorList), FALSE);
  return 0;
}

}  // namespace

bool CMyFontDlg::DoModal(HWND owner) {
  CHOOSEFONTA choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.lpLogFont = &m_logFont;
  choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_SCRIPTSONLY |
                 CF_TTONLY | CF_NOVERTFONTS | CF_ENABLEHOOK;
  choose.lpfnHook = DisableColorList;
  return ChooseFontA(&choose) != 0;
}
