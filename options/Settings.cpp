// Settings file access over the private-profile API, and the folders computed at start.
#include "Settings.h"

#include <cstdio>
#include <cstring>

#include "FontBounds.h"
#include "MemoFont.h"
#include "SettingsCodec.h"
#include "SjisBytes.h"

namespace {

SettingsFolders g_folders;

const char* FilePath() { return g_folders.file.empty() ? nullptr : g_folders.file.c_str(); }

// Wine lets an administrator write a read-only file, so the attribute is checked here.
bool Writable() {
  if (!FilePath()) return false;
  DWORD attributes = GetFileAttributesA(FilePath());
  return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY);
}

bool Write(const char* section, const char* key, const char* value) {
  return Writable() && WritePrivateProfileStringA(section, key, value, FilePath());
}

// A face name as a LOGFONT holds it: at most LF_FACESIZE - 1 bytes, no character split.
std::string FaceName(const std::string& face) {
  return face.substr(0, SjisCutLength(face.data(), face.size(), LF_FACESIZE - 1));
}

}  // namespace

namespace Settings {

void Locate() {
  char profile[MAX_PATH] = "";
  DWORD length = GetEnvironmentVariableA("USERPROFILE", profile, sizeof profile);
  SettingsFolders folders;
  folders.app = std::string(profile) + "\\Kavelo";
  folders.config = folders.app + "\\Config";
  folders.file = folders.config + "\\Kavelo.ini";
  folders.data = folders.app + "\\Data";
  if (length == 0 || length >= sizeof profile || folders.file.size() >= MAX_PATH)
    folders = SettingsFolders();
  g_folders = folders;
  for (const std::string* folder : {&g_folders.app, &g_folders.config, &g_folders.data})
    if (!folder->empty()) CreateDirectoryA(folder->c_str(), nullptr);
}

const SettingsFolders& Folders() { return g_folders; }

UINT GetInt(const IntSetting& setting) {
  if (!FilePath()) return static_cast<UINT>(setting.fallback);
  return GetPrivateProfileIntA(setting.section, setting.key, setting.fallback, FilePath());
}

std::string GetString(const StringSetting& setting) {
  if (!FilePath()) return setting.fallback;
  // A value that fills the buffer may have been cut: read again with more room.
  for (DWORD size = 1024;; size *= 4) {
    std::string buffer(size, '\0');
    DWORD length = GetPrivateProfileStringA(setting.section, setting.key, setting.fallback,
                                            &buffer[0], size, FilePath());
    if (length + 2 < size || size >= 1u << 20) return buffer.substr(0, length);
  }
}

LOGFONTA GetFont(const FontSetting& setting) {
  LOGFONTA font = {};
  const std::string infoKey = FontInfoKey(setting.name);
  std::string info = GetString({setting.section, infoKey.c_str(), ""});
  if (info.empty()) return BuiltInMemoFont();
  ParseFontInfo(info.c_str(), &font);
  const std::string faceKey = FontFaceKey(setting.name);
  std::string face = FaceName(GetString({setting.section, faceKey.c_str(), ""}));
  face.copy(font.lfFaceName, face.size());
  KeepFontInBounds(&font);  // the file may have been edited by hand or by another program
  return font;
}

void LoadCustomColors(COLORREF colors[16]) {
  for (int i = 0; i < kCustomColorCount; ++i) colors[i] = GetInt(CustomColorSetting(i));
}

bool WriteInt(const IntSetting& setting, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return Write(setting.section, setting.key, text);
}

bool WriteString(const StringSetting& setting, const std::string& value) {
  return Write(setting.section, setting.key, value.c_str());
}

bool DeleteKey(const StringSetting& setting) {
  return Write(setting.section, setting.key, nullptr);
}

bool WriteFont(const FontSetting& setting, const LOGFONTA& font) {
  std::string face = FaceName(std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE)));
  const std::string infoKey = FontInfoKey(setting.name);
  const std::string faceKey = FontFaceKey(setting.name);
  return WriteString({setting.section, infoKey.c_str(), ""}, FormatFontInfo(font)) &&
         WriteString({setting.section, faceKey.c_str(), ""}, face);
}

bool SaveCustomColors(const COLORREF colors[16]) {
  for (int i = 0; i < kCustomColorCount; ++i)
    if (!WriteInt(CustomColorSetting(i), static_cast<int>(colors[i]))) return false;
  return true;
}

}  // namespace Settings
