// Open and save file dialogs.
#include "FileDialogs.h"

#include <commdlg.h>

const char kMemoFileFilter[] = "KVMemoﾌｧｲﾙ (*.kvm)\0*.kvm\0";

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

bool AskOpenFileName(HWND owner, const char* filter, const char* defaultExt, DWORD flags,
                     char path[kPathSize]) {
  OPENFILENAMEA ofn = Request(owner, filter, defaultExt, flags, path);
  return GetOpenFileNameA(&ofn) != 0;
}

bool AskSaveFileName(HWND owner, const char* filter, const char* defaultExt, DWORD flags,
                     char path[kPathSize]) {
  OPENFILENAMEA ofn = Request(owner, filter, defaultExt, flags, path);
  return GetSaveFileNameA(&ofn) != 0;
}
