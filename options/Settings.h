// The options editor's own access to the shared settings file: the folders it lives in,
// reads that fall back to defaults, and writes that say whether they reached the file.
#pragma once

#include <windows.h>

#include <string>

#include "SettingsSchema.h"

// Each folder fits MAX_PATH; all are empty when USERPROFILE would not fit.
struct SettingsFolders {
  std::string app;     // USERPROFILE\Kavelo
  std::string config;  // app\Config
  std::string file;    // config\Kavelo.ini
  std::string data;    // app\Data, the built-in data folder
};

namespace Settings {

// Computes the folders from USERPROFILE and creates the application, config and data
// folders (an existing folder is no error).
void Locate();
const SettingsFolders& Folders();

UINT GetInt(const IntSetting& setting);
std::string GetString(const StringSetting& setting);
// The built-in memo font when the Info key is missing or empty.
LOGFONTA GetFont(const FontSetting& setting);
// The colour picker's sixteen custom colours, white by default.
void LoadCustomColors(COLORREF colors[16]);

// False when the file was not changed: no settings path, a read-only file, or a failed write.
bool WriteInt(const IntSetting& setting, int value);
bool WriteString(const StringSetting& setting, const std::string& value);
bool DeleteKey(const StringSetting& setting);
bool WriteFont(const FontSetting& setting, const LOGFONTA& font);
bool SaveCustomColors(const COLORREF colors[16]);

}  // namespace Settings
