// The list view behind the data folder and plug-in lists.
#include "EntryList.h"

#include <commctrl.h>

#include "EntryDlg.h"

void CEntryList::Attach(HWND list, const char* nameColumn, const char* pathColumn,
                        bool checkBoxes) {
  m_hList = list;
  DWORD extended = LVS_EX_FULLROWSELECT | (checkBoxes ? LVS_EX_CHECKBOXES : 0);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  const char* titles[] = {nameColumn, pathColumn};
  const int widths[] = {80, 300};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(titles[i]);
    column.cx = widths[i];
    column.iSubItem = i;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

int CEntryList::Count() const {
  return static_cast<int>(SendMessageA(m_hList, LVM_GETITEMCOUNT, 0, 0));
}

int CEntryList::Selected() const {
  return static_cast<int>(
      SendMessageA(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int CEntryList::Append(const std::string& name, const std::string& path) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = Count();
  item.pszText = const_cast<char*>(name.c_str());
  int row =
      static_cast<int>(SendMessageA(m_hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (row >= 0) SetPath(row, path);
  return row;
}

void CEntryList::SetPath(int row, const std::string& path) {
  LVITEMA item = {};
  item.iSubItem = 1;
  item.pszText = const_cast<char*>(path.c_str());
  SendMessageA(m_hList, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void CEntryList::Delete(int row) { SendMessageA(m_hList, LVM_DELETEITEM, row, 0); }

std::vector<std::string> CEntryList::Names() const {
  std::vector<std::string> names;
  for (int row = 0; row < Count(); ++row) names.push_back(Name(row));
  return names;
}

bool CEntryList::AddWith(CEntryDlg& dialog, HWND owner) {
  if (dialog.DoModal(owner) != IDOK) return false;
  Append(dialog.m_strName, dialog.m_strPath);
  return true;
}

bool CEntryList::EditWith(int row, CEntryDlg& dialog, HWND owner) {
  dialog.m_strName = Name(row);
  dialog.m_strPath = Path(row);
  if (dialog.DoModal(owner) != IDOK) return false;
  SetPath(row, dialog.m_strPath);
  return true;
}

// State image 2 is the checked box, 1 the empty one.
bool CEntryList::IsChecked(int row) const {
  LRESULT state = SendMessageA(m_hList, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void CEntryList::SetChecked(int row, bool checked) {
  LVITEMA item = {};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  SendMessageA(m_hList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

std::string CEntryList::Text(int row, int column) const {
  // The list answers with the length copied; a full buffer may mean a longer text.
  for (int size = 512;; size *= 4) {
    std::string buffer(size, '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = &buffer[0];
    item.cchTextMax = size;
    int length = static_cast<int>(
        SendMessageA(m_hList, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
    if (length < size - 2 || size >= 1 << 16) return buffer.substr(0, length);
  }
}
