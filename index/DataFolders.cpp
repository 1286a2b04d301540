// Data folders from the settings, through the library's settings and path macros.
#include "DataFolders.h"

#include "KVErrors.h"
#include "KVFile.h"
#include "KVProfile.h"
#include "SettingsCodec.h"
#include "SettingsSchema.h"

namespace {

// A folder's stored path may hold a macro (%user%...): the library expands it.
std::string Expanded(const char* stored) {
  KVFile file;
  char path[MAX_PATH] = "";
  if (file.Attach(stored) == KV_ERR_TOO_LONG || file.GetPathName(path) < 0) return std::string();
  return path;
}

}  // namespace

std::vector<std::string> AllDataFolders() {
  std::vector<std::string> folders{KVGetFolders().data};
  char list[4096] = "";
  KVGetProfileString(kFolderList, list, sizeof list);
  for (const std::string& name : SplitNameList(list)) {
    char stored[MAX_PATH] = "";
    KVGetProfileString(DataFolderPathSetting(name.c_str()), stored, sizeof stored);
    std::string folder = stored[0] ? Expanded(stored) : std::string();
    if (!folder.empty()) folders.push_back(folder);
  }
  return folders;
}

std::string MemoIndexPath() { return std::string(KVGetFolders().config) + "\\KVMemoIndex.db"; }
