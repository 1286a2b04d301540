// KVFile's path side: macro expansion, the macro form of a path, existence and file types.
#include "KVFilePaths.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "DiskFile.h"
#include "KVFile.h"
#include "KVProfile.h"
#include "SettingsCodec.h"
#include "SjisText.h"
#include "ViewerRegistry.h"

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

// The names of the user's data folders.
std::vector<std::string> ListedFolderNames() {
  char list[kFolderListSize];
  KVGetProfileString(kFolderList, list, sizeof list);
  return SplitNameList(list);
}

// The path stored for a listed data folder, "" when none is.
std::string ListedFolderPath(const std::string& name) {
  char folder[MAX_PATH] = "";
  KVGetProfileString(DataFolderPathSetting(name.c_str()), folder, sizeof folder);
  return folder;
}

// The byte after "%name%" when the path begins with it, else null.
const char* AfterNamedMacro(const char* path, const char* name) {
  if (path[0] != '%' || !KVStartsWithNoCase(path + 1, name)) return nullptr;
  const char* end = path + 1 + std::strlen(name);
  return *end == '%' ? end + 1 : nullptr;
}

bool IsListedName(const std::vector<std::string>& names, const char* wanted) {
  for (const std::string& name : names) {
    if (EqualsNoCase(name.c_str(), wanted)) return true;
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
  if (KVViewerLibraryFor(extension + 1, plugin, sizeof plugin)) return FT_PLUGIN;
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
  for (const std::string& name : ListedFolderNames()) {
    const char* rest = AfterNamedMacro(stored, name.c_str());
    if (!rest) continue;
    const std::string folder = ListedFolderPath(name);
    if (folder.empty()) return KVCopyCut(dest, MAX_PATH, stored);
    return KVJoinPath(dest, MAX_PATH, folder.c_str(), rest);
  }
  for (const BuiltInFolder& builtIn : BuiltInFolders()) {
    const char* rest = AfterNamedMacro(stored, builtIn.name);
    if (rest && builtIn.folder[0]) return KVJoinPath(dest, MAX_PATH, builtIn.folder, rest);
  }
  return KVCopyCut(dest, MAX_PATH, stored);
}

void KVFile::MacroForm(const char* pszPath, char* pszDst) {
  char form[kFolderListSize + MAX_PATH + 8];
  KVCopyCut(form, sizeof form, pszPath);
  const std::vector<std::string> names = ListedFolderNames();
  std::string name;
  const char* rest = nullptr;
  for (const std::string& listed : names) {
    const std::string folder = ListedFolderPath(listed);
    if (KVStartsWithFolder(pszPath, folder.c_str())) {
      name = listed;
      rest = pszPath + folder.size();
      break;
    }
  }
  // The data folder lies inside the user folder, so it comes first. A built-in macro spelt
  // like a listed name would expand to that named folder instead, so it is not used.
  for (const BuiltInFolder& builtIn : BuiltInFolders()) {
    if (rest) break;
    if (KVStartsWithFolder(pszPath, builtIn.folder) && !IsListedName(names, builtIn.name)) {
      name = builtIn.name;
      rest = pszPath + std::strlen(builtIn.folder);
    }
  }
  if (rest) std::snprintf(form, sizeof form, "%%%s%%%s", name.c_str(), rest);
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
