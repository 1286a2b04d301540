// Open and save file dialogs.
#include "FileDialogs.h"

#include <commdlg.h>

#include <cstdlib>

#include "DataFolderDlg.h"
#include "MemoStrings.h"

namespace {

// The memo's own folder, else the default data folder: never the working folder, which is
// wherever the program happened to be started from.
std::string InitialFolder() {
  if (g_szFilePath[0]) {
    char drive[_MAX_DRIVE], folder[_MAX_DIR];
    _splitpath(g_szFilePath, drive, folder, nullptr, nullptr);
    return std::string(drive) + folder;
  }
  char folder[kPathSize] = "";
  DefaultDataFolderPath(folder);
  const DWORD attributes = GetFileAttributesA(folder);
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return g_szUserDataDir;
  return folder;
}

OPENFILENAMEA Request(HWND owner, const char* filter, const char* initialFolder,
                      const char* defaultExt, DWORD flags, char* path) {
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.lpstrFile = path;
  ofn.nMaxFile = kPathSize;
  ofn.lpstrInitialDir = initialFolder;
  ofn.lpstrDefExt = defaultExt;
  ofn.Flags = flags;
  return ofn;
}

}  // namespace

bool AskOpenFileName(HWND owner, UINT filterId, const char* defaultExt, DWORD flags,
                     char path[kPathSize]) {
  const std::string filter = LoadFileFilter(filterId);
  const std::string folder = InitialFolder();
  OPENFILENAMEA ofn = Request(owner, filter.c_str(), folder.c_str(), defaultExt, flags, path);
  return GetOpenFileNameA(&ofn) != 0;
}

bool AskSaveFileName(HWND owner, UINT filterId, const char* defaultExt, DWORD flags,
                     char path[kPathSize]) {
  const std::string filter = LoadFileFilter(filterId);
  const std::string folder = InitialFolder();
  OPENFILENAMEA ofn = Request(owner, filter.c_str(), folder.c_str(), defaultExt, flags, path);
  return GetSaveFileNameA(&ofn) != 0;
}
