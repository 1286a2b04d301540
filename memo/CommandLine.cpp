// Parsing the command line and long-name conversion of the path it names.
#include "CommandLine.h"

#include <shlobj.h>

#include <string>

#include "SjisText.h"

namespace {

const DWORD kPathLimit = 259;

// Made through the wide functions: the narrow ones refuse any spelling over 259 bytes,
// even one whose full form is short.
std::string FullPathOf(const char* path) {
  int wideLength = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (wideLength <= 0) return std::string();
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path, -1, &wide[0], wideLength);
  wchar_t full[MAX_PATH];
  DWORD length = GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
  if (length == 0) return std::string();
  char narrow[MAX_PATH * 2];
  int narrowLength = length < MAX_PATH
                         ? WideCharToMultiByte(CP_ACP, 0, full, static_cast<int>(length), narrow,
                                               sizeof narrow, nullptr, nullptr)
                         : 0;
  if (narrowLength <= 0 || static_cast<DWORD>(narrowLength) > kPathLimit) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return std::string();
  }
  return std::string(narrow, static_cast<size_t>(narrowLength));
}

}  // namespace

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
