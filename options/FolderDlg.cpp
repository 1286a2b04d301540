// The data folder dialog: reserved names, folders that must exist, and the folder browser.
#include "FolderDlg.h"

#include <shlobj.h>

#include <cstring>
#include <utility>

#include "Messages.h"
#include "resource.h"

namespace {

const int kNameLimit = 100;
const char kDriveLetters[] = "abcdefghijklmnopqrstuvwxyz";
const EntryMessages kMessages = {IDS_NO_FOLDER_NAME, IDS_FOLDER_NAME_PERCENT, IDS_FOLDER_EXISTS,
                                 IDS_NO_FOLDER_PATH};

// A drive and its root ("C:\...") or a share ("\\server\..."): a memo program started
// anywhere must find the same folder.
bool IsFullPath(const std::string& path) {
  bool drive = path.size() >= 3 && std::strchr(kDriveLetters, path[0] | 0x20) && path[1] == ':' &&
               path[2] == '\\';
  return drive || path.compare(0, 2, "\\\\") == 0;
}

}  // namespace

CFolderDlg::CFolderDlg(std::vector<std::string> taken)
    : CEntryDlg(IDD_FOLDER, kNameLimit, kMessages, std::move(taken)) {}

UINT CFolderDlg::RefuseName(const std::string& name) const {
  if (lstrcmpiA(name.c_str(), "BIN") == 0 || lstrcmpiA(name.c_str(), "USR") == 0)
    return IDS_RESERVED_FOLDER;
  return 0;
}

// Every memo saved into a folder that is not there would fail, so the folder must exist, or
// be made now with its parents when the user agrees.
bool CFolderDlg::AcceptPath(const std::string& path) {
  if (!IsFullPath(path)) {
    ShowMessageAbout(m_hWnd, IDS_FOLDER_NOT_FULL_PATH, path);
    return false;
  }
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    ShowMessageAbout(m_hWnd, IDS_NOT_A_FOLDER, path);
    return false;
  }
  if (ShowMessageAbout(m_hWnd, IDS_CREATE_FOLDER, path, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return false;
  if (SHCreateDirectoryExA(m_hWnd, path.c_str(), nullptr) == ERROR_SUCCESS) return true;
  ShowMessageAbout(m_hWnd, IDS_FOLDER_NOT_CREATED, path);
  return false;
}

bool CFolderDlg::Browse(std::string* path) {
  char title[256] = "";
  LoadStringA(GetModuleHandleA(nullptr), IDS_BROWSE_FOLDER_TITLE, title, sizeof title);
  char chosen[MAX_PATH] = "";
  BROWSEINFOA browse = {};
  browse.hwndOwner = m_hWnd;
  browse.pszDisplayName = chosen;
  browse.lpszTitle = title;
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&browse);
  if (!item) return false;
  bool found = SHGetPathFromIDListA(item, chosen) != FALSE;
  CoTaskMemFree(item);
  if (found) *path = chosen;
  return found;
}
