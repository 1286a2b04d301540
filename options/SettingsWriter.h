// SettingsWriter: the writes of one page's apply. After the first write that fails, the
// rest are skipped, and the page reports the failure instead of claiming success.
#pragma once

#include <windows.h>

#include <string>

class SettingsWriter {
 public:
  void Int(const char* section, const char* key, int value);
  void Color(const char* section, const char* key, COLORREF color) {
    Int(section, key, static_cast<int>(color));
  }
  void String(const char* section, const char* key, const std::string& value);
  void Delete(const char* section, const char* key);
  void Font(const char* section, const char* name, const LOGFONTA& font);
  bool Failed() const { return m_bFailed; }

 private:
  bool m_bFailed = false;
};
