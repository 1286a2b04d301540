// New-file naming: the save-file dialog, or the data folder (dialog or default), an
// optional dated subfolder and the folder's counter file "DataFolder.ini".
#include "NewFileName.h"

#include <commdlg.h>
#include <direct.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "DataFolderDlg.h"
#include "FileDialogs.h"
#include "KVFont.h"
#include "KVProfile.h"
#include "resource.h"

namespace {

// The data folder chosen in the dialog or set as the default; false on cancel.
bool ChooseDataFolder(HWND owner, std::string* folder) {
  char path[kPathSize] = "";
  if (KVGetProfileInt(kUseDataFolderDialog)) {
    CDataFolderDlg dialog;
    if (dialog.DoModal(owner) != IDOK) return false;
    lstrcpynA(path, dialog.m_szPath, kPathSize);
  } else {
    DefaultDataFolderPath(path);
  }
  *folder = path;
  if (folder->empty() || folder->back() != '\\') *folder += '\\';
  return true;
}

// The subfolder name "DataFolderType" asks for today; empty for none.
std::string SubfolderName() {
  char format[128] = "";
  switch (KVGetProfileInt(kDataFolderType)) {
    case 1: lstrcpyA(format, "%Y%m%d"); break;
    case 2: lstrcpyA(format, "%Y%m"); break;
    case 3: KVGetProfileString(kSubFolderFormat, format, sizeof format); break;
    default: break;
  }
  if (!format[0]) return "";
  time_t now = time(nullptr);
  char name[128] = "";
  KVStrftime(name, sizeof name, format, localtime(&now));
  return name;
}

std::string NumberedName(const std::string& folder, unsigned id) {
  char name[16];
  std::snprintf(name, sizeof name, "%08X.kvm", id);
  return folder + name;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool GetNewFileName(HWND owner, char name[kPathSize]) {
  if (KVGetProfileInt(kUseFileSaveDialog))
    return AskSaveFileName(owner, IDS_FILTER_MEMO, "kvm",
                           OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT, name);
  std::string dataFolder;
  if (!ChooseDataFolder(owner, &dataFolder)) return false;
  const std::string counterFile = dataFolder + kFileCounterName;
  std::string folder = dataFolder;
  std::string subfolder = SubfolderName();
  if (!subfolder.empty()) {
    folder += subfolder;
    _mkdir(folder.c_str());
    folder += '\\';
  }
  const UINT lastId = GetPrivateProfileIntA(kLastFileId.section, kLastFileId.key,
                                            kLastFileId.fallback, counterFile.c_str());
  unsigned id = lastId + 1;
  // A counter that was deleted or reset must not hand out the name of an existing memo.
  while (FileExists(NumberedName(folder, id)) && id != 0xFFFFFFFF) ++id;
  char value[16];
  std::snprintf(value, sizeof value, "%d", static_cast<int>(id));
  WritePrivateProfileStringA(kLastFileId.section, kLastFileId.key, value, counterFile.c_str());
  std::string path = NumberedName(folder, id);
  if (path.size() >= kPathSize) return false;
  lstrcpyA(name, path.c_str());
  return true;
}
