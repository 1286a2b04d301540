// Telling whether two spellings of a path name the same file, as the file system would.
#include <windows.h>

#include <string>

#include "KVFilePaths.h"

namespace {

std::wstring Wide(const char* text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 1) return std::wstring();
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
  wide.resize(length - 1);
  return wide;
}

// Runs one of the path calls that report the size they need when the buffer is short;
// empty when it fails.
template <typename Call>
std::wstring Resolved(Call call) {
  std::wstring result(MAX_PATH, L'\0');
  DWORD length = call(&result[0], static_cast<DWORD>(result.size()));
  if (length >= result.size()) {
    result.assign(length, L'\0');
    length = call(&result[0], static_cast<DWORD>(result.size()));
  }
  if (length == 0 || length >= result.size()) return std::wstring();
  result.resize(length);
  return result;
}

std::wstring NormalisedPath(const char* path) {
  std::wstring wide = Wide(path);
  if (wide.empty()) return wide;
  std::wstring full = Resolved([&](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
  });
  if (full.empty()) return full;
  // Only an existing file has a long name to look up; a missing one stays as spelt. A short
  // name always holds a tilde, and the look-up takes most of a millisecond under Wine.
  std::wstring longName;
  if (full.find(L'~') != std::wstring::npos) {
    longName = Resolved(
        [&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(full.c_str(), buffer, size); });
  }
  std::wstring& best = longName.empty() ? full : longName;
  // "C:\memo\" and "C:\memo" are one folder; a drive root keeps its backslash.
  while (best.size() > 3 && best.back() == L'\\') best.pop_back();
  return best;
}

}  // namespace

bool KVIsSameFile(const char* pszPathA, const char* pszPathB) {
  if (!pszPathA || !pszPathB) return false;
  std::wstring a = NormalisedPath(pszPathA);
  std::wstring b = NormalisedPath(pszPathB);
  if (a.empty() || b.empty()) return false;
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}
