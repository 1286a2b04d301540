// The per-user settings file and the folders derived from USERPROFILE.
#pragma once

#include <windows.h>

#include "KVObjApi.h"
#include "SettingsSchema.h"

KVOBJ_API UINT KVGetProfileInt(const char* section, const char* key, int nDefault);
KVOBJ_API BOOL KVWriteProfileInt(const char* section, const char* key, int nValue);
KVOBJ_API int KVGetProfileString(const char* section, const char* key, const char* pszDefault,
                                 char* pszBuffer, int nSize);
KVOBJ_API BOOL KVWriteProfileString(const char* section, const char* key, const char* pszValue);
KVOBJ_API int KVGetProfileFont(const char* section, const char* name, LOGFONT* pFont);
KVOBJ_API BOOL KVWriteProfileFont(const char* section, const char* name, const LOGFONT* pFont);

// The same for a key of the settings schema, with the schema's default.
inline UINT KVGetProfileInt(const IntSetting& setting) {
  return KVGetProfileInt(setting.section, setting.key, setting.fallback);
}
inline BOOL KVWriteProfileInt(const IntSetting& setting, int nValue) {
  return KVWriteProfileInt(setting.section, setting.key, nValue);
}
inline int KVGetProfileString(const StringSetting& setting, char* pszBuffer, int nSize) {
  return KVGetProfileString(setting.section, setting.key, setting.fallback, pszBuffer, nSize);
}
inline int KVGetProfileFont(const FontSetting& setting, LOGFONT* pFont) {
  return KVGetProfileFont(setting.section, setting.name, pFont);
}

// While one exists, its thread's settings reads are answered from memory after the first
// read of each key, so a load or save that reads a few keys per link opens the file once
// per key instead of once per read. The thread sees the settings as they were when it
// first read them, as if another program's writes came after; KVWriteProfile* forgets
// what was remembered. Snapshots nest; the outermost one's memory is used.
class KVOBJ_API KVProfileSnapshot {
 public:
  KVProfileSnapshot();
  ~KVProfileSnapshot();
  KVProfileSnapshot(const KVProfileSnapshot&) = delete;
  KVProfileSnapshot& operator=(const KVProfileSnapshot&) = delete;
};

// The colour picker's sixteen custom colours ("CustomColors", white by default).
KVOBJ_API void KVLoadCustomColors(COLORREF colors[16]);
KVOBJ_API void KVSaveCustomColors(const COLORREF colors[16]);
// The colour picker itself: custom colours loaded before, written back only on OK.
KVOBJ_API bool KVChooseColor(HWND hwndOwner, COLORREF* pColor);

// Folders computed once from USERPROFILE and the running program; each fits MAX_PATH,
// and one that would not fit is left empty.
struct KVFolders {
  char user[MAX_PATH];      // USERPROFILE + "\"
  char app[MAX_PATH];       // user + "Kavelo"
  char config[MAX_PATH];    // app + "\Config"
  char settings[MAX_PATH];  // config + "\Kavelo.ini"
  char data[MAX_PATH];      // app + "\Data", no trailing backslash
  char program[MAX_PATH];   // drive and folder of the running program, trailing backslash
};

KVOBJ_API const KVFolders& KVGetFolders();
void KVLocateFolders();
