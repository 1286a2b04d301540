// The data folder dialog: reserved names and the system folder browser.
#include "FolderDlg.h"

#include <shlobj.h>

#include <utility>

#include "resource.h"

namespace {

const int kNameLimit = 100;
const EntryMessages kMessages = {IDS_NO_FOLDER_NAME, IDS_FOLDER_NAME_PERCENT, IDS_FOLDER_EXISTS,
                                 IDS_NO_FOLDER_PATH};

}  // namespace

CFolderDlg::CFolderDlg(std::vector<std::string> taken)
    : CEntryDlg(IDD_FOLDER, kNameLimit, kMessages, std::move(taken)) {}

UINT CFolderDlg::RefuseName(const std::string& name) const {
  if (lstrcmpiA(name.c_str(), "BIN") == 0 || lstrcmpiA(name.c_str(), "USR") == 0)
    return IDS_RESERVED_FOLDER;
  return 0;
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
