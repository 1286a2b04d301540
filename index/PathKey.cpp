// Path keys: what Windows would count as the same file, as far as it is cheap to tell.
#include "PathKey.h"

#include <windows.h>

#include <algorithm>

#include "TextCodec.h"

std::string PathKey(const std::string& sjisPath) {
  std::wstring wide = L"";
  {
    std::string utf8 = Utf8FromSjis(sjisPath);
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    if (length <= 1) return std::string();
    wide.assign(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], length);
  }
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  wchar_t full[MAX_PATH * 2];
  DWORD length = GetFullPathNameW(wide.c_str(), MAX_PATH * 2, full, nullptr);
  if (length == 0 || length >= MAX_PATH * 2) return std::string();
  std::wstring path(full, length);
  // Only a name with a tilde can be a short form; the look-up costs a disk access.
  if (path.find(L'~') != std::wstring::npos) {
    wchar_t longPath[MAX_PATH * 2];
    DWORD longLength = GetLongPathNameW(path.c_str(), longPath, MAX_PATH * 2);
    if (longLength > 0 && longLength < MAX_PATH * 2) path.assign(longPath, longLength);
  }
  // Letters of the Latin alphabet only: the file system folds nothing else we meet here.
  for (wchar_t& c : path)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  int size = WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string key(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), &key[0], size,
                      nullptr, nullptr);
  return key;
}

std::string NameKey(const std::string& sjisName) {
  std::string key = Utf8FromSjis(sjisName);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

std::string FolderPart(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NamePart(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool KeyIsInside(const std::string& key, const std::string& folderKey) {
  if (folderKey.empty() || key.size() <= folderKey.size()) return false;
  if (key.compare(0, folderKey.size(), folderKey) != 0) return false;
  return folderKey.back() == '\\' || key[folderKey.size()] == '\\';
}
