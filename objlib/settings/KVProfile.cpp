// Settings file access over the private-profile API, and the folders it lives in.
#include "KVProfile.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

#include "BuiltInFont.h"
#include "FontRecord.h"
#include "SettingsCodec.h"
#include "SjisText.h"

namespace {

KVFolders g_folders;

// The answers remembered by the thread's outermost KVProfileSnapshot, by query.
struct Remembered {
  int depth = 0;
  std::unordered_map<std::string, UINT> ints;
  std::unordered_map<std::string, std::pair<int, std::string>> strings;  // result, bytes written
};
thread_local Remembered* t_remembered = nullptr;

// Section, key, default and buffer size identify a read; a null default differs from "".
std::string QueryKey(const char* section, const char* key, const char* pszDefault, int number) {
  std::string query(section);
  query.append(1, '\0').append(key).append(1, '\0');
  if (pszDefault) query.append(1, 'd').append(pszDefault);
  return query.append(1, '\0').append(std::to_string(number));
}

void Forget() {
  if (!t_remembered) return;
  t_remembered->ints.clear();
  t_remembered->strings.clear();
}

// An empty settings path (a profile too long for MAX_PATH) must not fall back to win.ini.
const char* SettingsFile() { return g_folders.settings[0] ? g_folders.settings : nullptr; }

}  // namespace

const KVFolders& KVGetFolders() { return g_folders; }

void KVLocateFolders() {
  KVFolders f = {};
  char profile[MAX_PATH] = "";
  DWORD length = GetEnvironmentVariableA("USERPROFILE", profile, sizeof profile);
  if (length > 0 && length < sizeof profile && KVJoin(f.user, MAX_PATH, profile, "\\") &&
      KVJoin(f.app, MAX_PATH, f.user, "Kavelo") && KVJoin(f.config, MAX_PATH, f.app, "\\Config") &&
      KVJoin(f.settings, MAX_PATH, f.config, "\\Kavelo.ini")) {
    KVJoin(f.data, MAX_PATH, f.app, "\\Data");
  }
  char module[MAX_PATH] = "";
  DWORD moduleLength = GetModuleFileNameA(nullptr, module, sizeof module);
  if (moduleLength > 0 && moduleLength < sizeof module) {
    char drive[_MAX_DRIVE], dir[_MAX_DIR];
    _splitpath(module, drive, dir, nullptr, nullptr);
    KVJoin(f.program, MAX_PATH, drive, dir);
  }
  g_folders = f;
}

KVProfileSnapshot::KVProfileSnapshot() {
  if (!t_remembered) t_remembered = new Remembered;
  ++t_remembered->depth;
}

KVProfileSnapshot::~KVProfileSnapshot() {
  if (--t_remembered->depth == 0) {
    delete t_remembered;
    t_remembered = nullptr;
  }
}

UINT KVGetProfileInt(const char* section, const char* key, int nDefault) {
  if (!SettingsFile()) return static_cast<UINT>(nDefault);
  if (!t_remembered || !section || !key)
    return GetPrivateProfileIntA(section, key, nDefault, SettingsFile());
  std::string query = QueryKey(section, key, nullptr, nDefault);
  auto found = t_remembered->ints.find(query);
  if (found != t_remembered->ints.end()) return found->second;
  UINT value = GetPrivateProfileIntA(section, key, nDefault, SettingsFile());
  t_remembered->ints.emplace(std::move(query), value);
  return value;
}

BOOL KVWriteProfileInt(const char* section, const char* key, int nValue) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", nValue);
  return KVWriteProfileString(section, key, text);
}

int KVGetProfileString(const char* section, const char* key, const char* pszDefault,
                       char* pszBuffer, int nSize) {
  if (nSize <= 0) return 0;
  if (!SettingsFile()) {
    KVCopyCut(pszBuffer, nSize, pszDefault ? pszDefault : "");
    return static_cast<int>(std::strlen(pszBuffer));
  }
  // Without a section or key the answer is a list of names, which is never remembered.
  if (!t_remembered || !section || !key)
    return static_cast<int>(
        GetPrivateProfileStringA(section, key, pszDefault, pszBuffer, nSize, SettingsFile()));
  std::string query = QueryKey(section, key, pszDefault, nSize);
  auto found = t_remembered->strings.find(query);
  if (found == t_remembered->strings.end()) {
    int length = static_cast<int>(
        GetPrivateProfileStringA(section, key, pszDefault, pszBuffer, nSize, SettingsFile()));
    size_t written = std::min(static_cast<size_t>(length) + 1, static_cast<size_t>(nSize));
    t_remembered->strings.emplace(std::move(query),
                                  std::make_pair(length, std::string(pszBuffer, written)));
    return length;
  }
  std::memcpy(pszBuffer, found->second.second.data(), found->second.second.size());
  return found->second.first;
}

BOOL KVWriteProfileString(const char* section, const char* key, const char* pszValue) {
  if (!SettingsFile()) return FALSE;
  Forget();
  return WritePrivateProfileStringA(section, key, pszValue, SettingsFile());
}

int KVGetProfileFont(const char* section, const char* name, LOGFONT* pFont) {
  char info[1024] = "";
  KVGetProfileString(section, FontInfoKey(name).c_str(), "", info, sizeof info);
  if (info[0] == '\0') {
    *pFont = BuiltInMemoFont();
    return 1;
  }
  ParseFontInfo(info, pFont);
  char face[1024] = "";
  KVGetProfileString(section, FontFaceKey(name).c_str(), "", face, sizeof face);
  KVCopyCut(pFont->lfFaceName, LF_FACESIZE, face);
  KVKeepFontSane(pFont);
  return 1;
}

BOOL KVWriteProfileFont(const char* section, const char* name, const LOGFONT* pFont) {
  KVWriteProfileString(section, FontInfoKey(name).c_str(), FormatFontInfo(*pFont).c_str());
  char face[LF_FACESIZE];
  KVCopyCut(face, sizeof face, pFont->lfFaceName);
  return KVWriteProfileString(section, FontFaceKey(name).c_str(), face);
}

void KVLoadCustomColors(COLORREF colors[16]) {
  for (int i = 0; i < kCustomColorCount; ++i) colors[i] = KVGetProfileInt(CustomColorSetting(i));
}

void KVSaveCustomColors(const COLORREF colors[16]) {
  for (int i = 0; i < kCustomColorCount; ++i)
    KVWriteProfileInt(CustomColorSetting(i), static_cast<int>(colors[i]));
}

bool KVChooseColor(HWND hwndOwner, COLORREF* pColor) {
  COLORREF custom[16];
  KVLoadCustomColors(custom);
  CHOOSECOLORA choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = hwndOwner;
  choose.rgbResult = *pColor;
  choose.lpCustColors = custom;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorA(&choose)) return false;
  *pColor = choose.rgbResult;
  KVSaveCustomColors(custom);
  return true;
}
