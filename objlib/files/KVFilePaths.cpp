// KVFile's path side: macro expansion, the macro form of a path, existence and file types.
#include "KVFilePaths.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "DiskFile.h"
#include "KVFile.h"
#include "KVProfile.h"
#include "SjisText.h"

namespace {

const int kFolderListSize = 2048;

unsigned char FoldAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

bool EqualsNoCase(const char* a, const char* b) {
  return std::strlen(a) == std::strlen(b) && KVStartsWithNoCase(a, b);
}

bool IsUrl(const char* path) {
  return KVStartsWithNoCase(path, "http:") || KVStartsWithNoCase(path, "https:") ||
         KVStartsWithNoCase(path, "ftp:");
}

// Copies the next non-empty name of a "%A%%B%" list into name; returns where the scan goes
// on, or null when no name is left.
const char* NextFolderName(const char* list, char* name) {
  while (*list == '%') ++list;
  if (*list == '\0') return nullptr;
  size_t length = std::strcspn(list, "%");
  std::memcpy(name, list, length);
  name[length] = '\0';
  return list + length;
}

// The byte after "%name%" when the path begins with it, else null.
const char* AfterNamedMacro(const char* path, const char* name) {
  if (path[0] != '%' || !KVStartsWithNoCase(path + 1, name)) return nullptr;
  const char* end = path + 1 + std::strlen(name);
  return *end == '%' ? end + 1 : nullptr;
}

bool IsListedName(const char* list, const char* wanted) {
  char name[kFolderListSize];
  for (const char* next = NextFolderName(list, name); next; next = NextFolderName(next, name)) {
    if (EqualsNoCase(name, wanted)) return true;
  }
  return false;
}

struct BuiltInFolder {
  const char* name;
  const char* folder;
};

// The built-in macros, in the order a path is tested against their folders.
std::array<BuiltInFolder, 3> BuiltInFolders() {
  const KVFolders& folders = KVGetFolders();
  return {{{"user", folders.data}, {"usr", folders.user}, {"bin", folders.program}}};
}

// The extension of the last path component, dot included, or "" when it has none.
const char* Extension(const char* path) {
  const char* dot = nullptr;
  for (const char* p = path; *p; ++p) {
    if (KVIsLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
      ++p;
    } else if (*p == '\\' || *p == '/') {
      dot = nullptr;
    } else if (*p == '.') {
      dot = p;
    }
  }
  return dot ? dot : "";
}

// The type an extension (dot included) gives, or FT_MISSING when it gives none.
int TypeOfExtension(const char* extension) {
  static const char* const kImages[] = {".jpg", ".jpe", ".jpeg", ".gif", ".bmp", ".wmf", ".ico"};
  char plugin[MAX_PATH] = "";
  KVGetProfileString("Plugin", extension + 1, "", plugin, sizeof plugin);
  if (plugin[0]) return FT_PLUGIN;
  if (EqualsNoCase(extension, ".kvm")) return FT_MEMO;
  if (EqualsNoCase(extension, ".exe")) return FT_PROGRAM;
  for (const char* image : kImages) {
    if (EqualsNoCase(extension, image)) return FT_IMAGE;
  }
  if (EqualsNoCase(extension, ".txt")) return FT_TEXT;
  return FT_MISSING;
}

// A device is never a target: it counts as missing, so nothing opens, reads or starts it.
DWORD TargetAttributes(const char* path) {
  return KVIsDevicePath(path) ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path);
}

}  // namespace

bool KVStartsWithNoCase(const char* text, const char* prefix) {
  while (*prefix) {
    unsigned char p = *prefix, t = *text;
    if (KVIsLeadByte(p) && prefix[1]) {
      if (t != p || text[1] != prefix[1]) return false;
      text += 2;
      prefix += 2;
      continue;
    }
    if (FoldAscii(t) != FoldAscii(p)) return false;
    ++text;
    ++prefix;
  }
  return true;
}

bool KVStartsWithFolder(const char* path, const char* folder) {
  size_t length = std::strlen(folder);
  if (length == 0 || !KVStartsWithNoCase(path, folder)) return false;
  return KVLastBackslash(folder) == folder + length - 1 || path[length] == '\\' ||
         path[length] == '\0';
}

const char* KVLastBackslash(const char* text) {
  const char* last = nullptr;
  for (const char* p = text; *p; ++p) {
    if (KVIsLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
      ++p;
    } else if (*p == '\\') {
      last = p;
    }
  }
  return last;
}

bool KVJoinPath(char* dest, size_t size, const char* folder, const char* rest) {
  size_t length = std::strlen(folder);
  bool endsInBackslash = length > 0 && KVLastBackslash(folder) == folder + length - 1;
  if (rest[0] == '\\') ++rest;
  char withBackslash[MAX_PATH];
  if (!KVJoin(withBackslash, sizeof withBackslash, folder, endsInBackslash ? "" : "\\")) {
    dest[0] = '\0';
    return false;
  }
  return KVJoin(dest, size, withBackslash, rest);
}

bool KVExpandMacro(const char* stored, char* dest) {
  if (stored[0] != '%') return KVCopyCut(dest, MAX_PATH, stored);
  char list[kFolderListSize];
  char name[kFolderListSize];
  KVGetProfileString("Option", "FolderList", "%", list, sizeof list);
  for (const char* next = NextFolderName(list, name); next; next = NextFolderName(next, name)) {
    const char* rest = AfterNamedMacro(stored, name);
    if (!rest) continue;
    char folder[MAX_PATH] = "";
    KVGetProfileString("DataFolder", name, "", folder, sizeof folder);
    if (!folder[0]) return KVCopyCut(dest, MAX_PATH, stored);
    return KVJoinPath(dest, MAX_PATH, folder, rest);
  }
  for (const BuiltInFolder& builtIn : BuiltInFolders()) {
    const char* rest = AfterNamedMacro(stored, builtIn.name);
    if (rest && builtIn.folder[0]) return KVJoinPath(dest, MAX_PATH, builtIn.folder, rest);
  }
  return KVCopyCut(dest, MAX_PATH, stored);
}

void KVFile::MacroForm(const char* pszPath, char* pszDst) {
  char form[kFolderListSize + MAX_PATH + 8];
  char list[kFolderListSize];
  char name[kFolderListSize];
  KVCopyCut(form, sizeof form, pszPath);
  KVGetProfileString("Option", "FolderList", "%", list, sizeof list);
  const char* rest = nullptr;
  for (const char* next = NextFolderName(list, name); next; next = NextFolderName(next, name)) {
    char folder[MAX_PATH] = "";
    KVGetProfileString("DataFolder", name, "", folder, sizeof folder);
    if (KVStartsWithFolder(pszPath, folder)) {
      rest = pszPath + std::strlen(folder);
      break;
    }
  }
  // The data folder lies inside the user folder, so it comes first. A built-in macro spelt
  // like a listed name would expand to that named folder instead, so it is not used.
  for (const BuiltInFolder& builtIn : BuiltInFolders()) {
    if (rest) break;
    if (KVStartsWithFolder(pszPath, builtIn.folder) && !IsListedName(list, builtIn.name)) {
      std::strcpy(name, builtIn.name);
      rest = pszPath + std::strlen(builtIn.folder);
    }
  }
  if (rest) std::snprintf(form, sizeof form, "%%%s%%%s", name, rest);
  KVCopyCut(pszDst, MAX_PATH, form);
}

bool KVFile::IsExist(const char* pszPath) {
  return IsUrl(pszPath) || TargetAttributes(pszPath) != INVALID_FILE_ATTRIBUTES;
}

int KVFile::GetFileType(const char* pszPath) {
  if (IsUrl(pszPath) || KVStartsWithNoCase(pszPath, "mailto:")) return FT_URL;
  DWORD attributes = TargetAttributes(pszPath);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return FT_FOLDER;
  const char* extension = Extension(pszPath);
  if (std::strlen(extension) > 1) {
    int type = TypeOfExtension(extension);
    if (type != FT_MISSING) return type;
  }
  return attributes != INVALID_FILE_ATTRIBUTES ? FT_OTHER : FT_MISSING;
}
