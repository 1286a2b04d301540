// The one gate every read of a file passes: device paths refused by name, the rest by type.
#include "DiskFile.h"

#include <cctype>
#include <cstring>
#include <string>

#include "KVFilePaths.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool EqualsAsciiNoCase(const std::string& text, const char* word) {
  if (text.size() != std::strlen(word)) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != word[i]) return false;
  }
  return true;
}

// "\\.\x", "\\?\x" and "\??\x" in either slash: the device and raw namespaces.
bool IsNamespacePath(const char* path) {
  if (!IsSeparator(path[0]) || !path[1] || !path[2] || !IsSeparator(path[3])) return false;
  if (IsSeparator(path[1])) return path[2] == '.' || path[2] == '?';
  return path[1] == '?' && path[2] == '?';
}

// "\\server\pipe\x" and "\\server\mailslot\x" reach a pipe or mailslot on that machine.
bool IsPipeShare(const char* path) {
  if (!IsSeparator(path[0]) || !IsSeparator(path[1])) return false;
  const char* server = path + 2;
  size_t serverLength = std::strcspn(server, "\\/");
  if (!server[serverLength]) return false;
  const char* share = server + serverLength + 1;
  std::string name(share, std::strcspn(share, "\\/"));
  return EqualsAsciiNoCase(name, "PIPE") || EqualsAsciiNoCase(name, "MAILSLOT");
}

// The last component without a drive, cut at its first dot or colon, trailing blanks
// dropped: what Windows compares with its device names.
std::string DeviceStem(const char* path) {
  const char* last = KVLastBackslash(path);
  const char* name = last ? last + 1 : path;
  if (const char* slash = std::strrchr(name, '/')) name = slash + 1;  // never a trail byte
  if (name[0] && name[1] == ':') name += 2;
  std::string stem(name, std::strcspn(name, ".:"));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  return stem;
}

bool IsDeviceName(const std::string& stem) {
  static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
  for (const char* name : kNames) {
    if (EqualsAsciiNoCase(stem, name)) return true;
  }
  if (stem.size() != 4 || stem[3] < '0' || stem[3] > '9') return false;
  std::string port = stem.substr(0, 3);
  return EqualsAsciiNoCase(port, "COM") || EqualsAsciiNoCase(port, "LPT");
}

}  // namespace

bool KVIsDevicePath(const char* pszPath) {
  if (!pszPath || !pszPath[0]) return false;
  return IsNamespacePath(pszPath) || IsPipeShare(pszPath) || IsDeviceName(DeviceStem(pszPath));
}

HANDLE KVOpenDiskFile(const char* pszPath, DWORD dwShare) {
  if (!pszPath || KVIsDevicePath(pszPath)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  // Should a pipe slip through by another name, its server may not act as the reader.
  HANDLE file =
      CreateFileA(pszPath, GENERIC_READ, dwShare, nullptr, OPEN_EXISTING,
                  FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_ANONYMOUS, nullptr);
  if (file == INVALID_HANDLE_VALUE || GetFileType(file) == FILE_TYPE_DISK) return file;
  CloseHandle(file);
  SetLastError(ERROR_FILE_NOT_FOUND);
  return INVALID_HANDLE_VALUE;
}

bool KVIsDiskFile(const char* pszPath) {
  ScopedHandle file(KVOpenDiskFile(pszPath, FILE_SHARE_READ | FILE_SHARE_WRITE));
  return file.IsOpen();
}

bool KVReadExactly(HANDLE file, char* data, DWORD count) {
  while (count > 0) {
    DWORD read = 0;
    if (!ReadFile(file, data, count, &read, nullptr) || read == 0) return false;
    data += read;
    count -= read;
  }
  return true;
}
