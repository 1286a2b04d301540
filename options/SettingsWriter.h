// SettingsWriter: the writes of one page's apply. After the first write that fails, the
// rest are skipped, and the page reports the failure instead of claiming success.
#pragma once

#include <windows.h>

#include <string>

#include "SettingsSchema.h"

class SettingsWriter {
 public:
  void Int(const IntSetting& setting, int value);
  void Color(const IntSetting& setting, COLORREF color) { Int(setting, static_cast<int>(color)); }
  void String(const StringSetting& setting, const std::string& value);
  void Delete(const StringSetting& setting);
  void Font(const FontSetting& setting, const LOGFONTA& font);
  bool Failed() const { return m_bFailed; }

 private:
  bool m_bFailed = false;
};
