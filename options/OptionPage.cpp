// The load, change-marking and apply cycle the five pages share, and control helpers.
#include "OptionPage.h"

#include "Messages.h"
#include "resource.h"

BOOL COptionPage::OnInitDialog() {
  m_bLoading = true;
  Load();
  m_bLoading = false;
  UpdateEnabling();
  SetModified(false);
  return TRUE;
}

bool COptionPage::OnCommand(int id, int code) {
  if (m_bLoading) return false;
  HWND control = GetDlgItem(id);
  LONG_PTR type = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
  bool isCheck = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX;
  // Only edits, lists and check boxes change a value; push buttons mark the page themselves.
  if ((code == BN_CLICKED && isCheck) || code == CBN_SELCHANGE || code == EN_CHANGE) {
    SetModified();
    UpdateEnabling();
  }
  return OnControl(id, code);
}

bool COptionPage::OnApply() {
  if (!Validate()) return false;
  SettingsWriter out;
  Store(out);
  if (!out.Failed()) return true;
  ReportWriteFailure(GetSheet());
  return false;
}

void COptionPage::FillList(int id, const char* const* items, int count, UINT index) {
  HWND list = GetDlgItem(id);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < count; ++i)
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
  int selected = index < static_cast<UINT>(count) ? static_cast<int>(index) : -1;
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int COptionPage::ListIndex(int id) const {
  return static_cast<int>(SendMessageA(GetDlgItem(id), CB_GETCURSEL, 0, 0));
}

void COptionPage::SetNumber(int id, UINT value) {
  SetText(id, std::to_string(static_cast<int>(value)));
}

int COptionPage::GetNumber(int id) const {
  return static_cast<int>(GetDlgItemInt(m_hWnd, id, nullptr, TRUE));
}

bool COptionPage::HasNumber(int id) {
  BOOL ok = FALSE;
  GetDlgItemInt(m_hWnd, id, &ok, TRUE);
  if (ok) return true;
  ShowMessage(GetSheet(), IDS_NUMBER_EXPECTED);
  SetFocus(GetDlgItem(id));
  return false;
}
