// Whether two spellings of a path name the same file, as Windows file names compare.
#include "PathIdentity.h"

#include <windows.h>

#include "SjisText.h"

namespace {

const DWORD kPathLimit = 259;

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualFolded(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (KVIsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

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

bool IsSameFilePath(const char* a, const char* b) {
  if (!*a || !*b) return false;
  std::string fullA = FullPathOf(a);
  std::string fullB = FullPathOf(b);
  return !fullA.empty() && EqualFolded(fullA, fullB);
}
