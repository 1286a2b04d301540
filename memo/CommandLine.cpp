// Parsing the command line and long-name conversion of the path it names.
#include "CommandLine.h"

#include <shlobj.h>

#include <string>

#include "PathIdentity.h"
#include "SjisText.h"

std::string LastCommandLineToken(const char* arguments) {
  std::string last;
  const char* p = arguments;
  while (*p) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    const char* start = p;
    if (*p == '"') {
      start = ++p;
      while (*p && *p != '"') ++p;
      last.assign(start, p);
      if (*p) ++p;
    } else {
      while (*p && *p != ' ') ++p;
      last.assign(start, p);
    }
  }
  return last;
}

bool StartupPath(const std::string& token, char path[kPathSize]) {
  std::string full = FullPathOf(token.c_str());
  return !full.empty() && KVCopyCut(path, kPathSize, full.c_str());
}

void ConvertToLongPath(char path[kPathSize]) {
  wchar_t wide[kPathSize];
  if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, kPathSize)) return;
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop))) return;
  LPITEMIDLIST items = nullptr;
  HRESULT parsed = desktop->ParseDisplayName(nullptr, nullptr, wide, nullptr, &items, nullptr);
  desktop->Release();
  if (FAILED(parsed) || !items) return;
  char longPath[MAX_PATH];
  if (SHGetPathFromIDListA(items, longPath)) KVCopyCut(path, kPathSize, longPath);
  IMalloc* shellAllocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&shellAllocator))) {
    shellAllocator->Free(items);
    shellAllocator->Release();
  }
}
