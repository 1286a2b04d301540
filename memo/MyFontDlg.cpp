// The font dialog with its colour list disabled as it opens.
#include "MyFontDlg.h"

#include "MemoFont.h"

namespace {

const int kColorList = 1139;

UINT_PTR CALLBACK DisableColorList(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) EnableWindow(GetDlgItem(dialog, kColorList), FALSE);
  return 0;
}

}  // namespace

bool CMyFontDlg::DoModal(HWND owner) {
  return ChooseMemoFont(owner, CF_EFFECTS | CF_SCRIPTSONLY | CF_ENABLEHOOK, DisableColorList,
                        &m_logFont);
}
