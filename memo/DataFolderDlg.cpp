// The data folder dialog: "USER" and the names of "FolderList", with the chosen path.
#include "DataFolderDlg.h"

#include <cstring>

#include "KVProfile.h"
#include "resource.h"

namespace {

const char kUserFolder[] = "USER";

}  // namespace

void DataFolderPath(const char* name, char path[kPathSize]) {
  if (lstrcmpiA(name, kUserFolder) == 0)
    lstrcpynA(path, g_szUserDataDir, kPathSize);
  else
    KVGetProfileString("DataFolder", name, "", path, kPathSize);
}

CDataFolderDlg::CDataFolderDlg() : CDialog(IDD_DATAFOLDER), m_szPath() {}

BOOL CDataFolderDlg::OnInitDialog() {
  // "FolderList" is names each followed by "%": as zero-terminated names they end at the
  // first empty one.
  char list[2048] = {};
  KVGetProfileString("Option", "FolderList", "%", list, sizeof list - 1);
  for (char& c : list)
    if (c == '%') c = '\0';
  HWND combo = GetDlgItem(IDC_FOLDER_NAME);
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kUserFolder));
  for (const char* name = list; *name && name < list + sizeof list; name += std::strlen(name) + 1)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  lstrcpynA(m_szPath, g_szUserDataDir, kPathSize);
  SetDlgItemText(IDC_FOLDER_PATH, m_szPath);
  return TRUE;
}

bool CDataFolderDlg::OnCommand(int id, int code) {
  if (id != IDC_FOLDER_NAME || code != CBN_SELCHANGE) return false;
  OnSelChange();
  return true;
}

void CDataFolderDlg::OnSelChange() {
  HWND combo = GetDlgItem(IDC_FOLDER_NAME);
  LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  char name[128] = "";
  if (index >= 0 && SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) < static_cast<LRESULT>(sizeof name))
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name));
  DataFolderPath(name, m_szPath);
  SetDlgItemText(IDC_FOLDER_PATH, m_szPath);
}
