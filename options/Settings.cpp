// Settings file access over the private-profile API, and the folders computed at start.
#include "Settings.h"

#include <cstdio>
#include <cstring>

#include "FontBounds.h"
#include "MemoFont.h"
#include "SettingCodec.h"

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

std::string ColorKey(int index) {
  char key[16];
  std::snprintf(key, sizeof key, "Color_%d", index);
  return key;
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

UINT GetInt(const char* section, const char* key, int defaultValue) {
  if (!FilePath()) return static_cast<UINT>(defaultValue);
  return GetPrivateProfileIntA(section, key, defaultValue, FilePath());
}

std::string GetString(const char* section, const char* key, const char* defaultValue) {
  if (!FilePath()) return defaultValue;
  // A value that fills the buffer may have been cut: read again with more room.
  for (DWORD size = 1024;; size *= 4) {
    std::string buffer(size, '\0');
    DWORD length =
        GetPrivateProfileStringA(section, key, defaultValue, &buffer[0], size, FilePath());
    if (length + 2 < size || size >= 1u << 20) return buffer.substr(0, length);
  }
}

LOGFONTA GetFont(const char* section, const char* name) {
  LOGFONTA font = {};
  std::string info = GetString(section, (std::string(name) + "Info").c_str(), "");
  if (info.empty()) return BuiltInMemoFont();
  ParseFontInfo(info, &font);
  std::string face = GetString(section, (std::string(name) + "Fase").c_str(), "");
  face = CutToBytes(face, LF_FACESIZE - 1);
  face.copy(font.lfFaceName, face.size());
  KeepFontInBounds(&font);  // the file may have been edited by hand or by another program
  return font;
}

void LoadCustomColors(COLORREF colors[16]) {
  for (int i = 0; i < 16; ++i) colors[i] = GetInt("CustomColors", ColorKey(i).c_str(), 0xFFFFFF);
}

bool WriteInt(const char* section, const char* key, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return Write(section, key, text);
}

bool WriteString(const char* section, const char* key, const std::string& value) {
  return Write(section, key, value.c_str());
}

bool DeleteKey(const char* section, const char* key) { return Write(section, key, nullptr); }

bool WriteFont(const char* section, const char* name, const LOGFONTA& font) {
  std::string face = CutToBytes(std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE)),
                                LF_FACESIZE - 1);
  return WriteString(section, (std::string(name) + "Info").c_str(), FormatFontInfo(font)) &&
         WriteString(section, (std::string(name) + "Fase").c_str(), face);
}

bool SaveCustomColors(const COLORREF colors[16]) {
  for (int i = 0; i < 16; ++i)
    if (!WriteInt("CustomColors", ColorKey(i).c_str(), static_cast<int>(colors[i]))) return false;
  return true;
}

}  // namespace Settings
