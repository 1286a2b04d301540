// The data folder dialog: "USER" and the names of "FolderList", with the chosen path.
#include "DataFolderDlg.h"

#include <string>

#include "KVProfile.h"
#include "SettingsCodec.h"
#include "resource.h"

void DataFolderPath(const char* name, char path[kPathSize]) {
  if (lstrcmpiA(name, kBuiltInDataFolder) == 0)
    lstrcpynA(path, g_szUserDataDir, kPathSize);
  else
    KVGetProfileString(DataFolderPathSetting(name), path, kPathSize);
}

void DefaultDataFolderPath(char path[kPathSize]) {
  char name[128] = "";
  KVGetProfileString(kDefaultDataFolder, name, sizeof name);
  DataFolderPath(name, path);
}

std::vector<std::string> DataFolderNames() {
  char list[2048] = "";
  KVGetProfileString(kFolderList, list, sizeof list);
  std::vector<std::string> names = SplitNameList(list);
  names.insert(names.begin(), kBuiltInDataFolder);
  return names;
}

CDataFolderDlg::CDataFolderDlg() : CDialog(IDD_DATAFOLDER), m_szPath() {}

BOOL CDataFolderDlg::OnInitDialog() {
  HWND combo = GetDlgItem(IDC_FOLDER_NAME);
  for (const std::string& name : DataFolderNames())
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
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
