// Open and save file dialogs.
#include "FileDialogs.h"

#include <commdlg.h>

#include "MemoStrings.h"

namespace {

OPENFILENAMEA Request(HWND owner, const char* filter, const char* defaultExt, DWORD flags,
                      char* path) {
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.lpstrFile = path;
  ofn.nMaxFile = kPathSize;
  ofn.lpstrDefExt = defaultExt;
  ofn.Flags = flags;
  return ofn;
}

}  // namespace

bool AskOpenFileName(HWND owner, UINT filterId, const char* defaultExt, DWORD flags,
                     char path[kPathSize]) {
  const std::string filter = LoadFileFilter(filterId);
  OPENFILENAMEA ofn = Request(owner, filter.c_str(), defaultExt, flags, path);
  return GetOpenFileNameA(&ofn) != 0;
}

bool AskSaveFileName(HWND owner, UINT filterId, const char* defaultExt, DWORD flags,
                     char path[kPathSize]) {
  const std::string filter = LoadFileFilter(filterId);
  OPENFILENAMEA ofn = Request(owner, filter.c_str(), defaultExt, flags, path);
  return GetSaveFileNameA(&ofn) != 0;
}
