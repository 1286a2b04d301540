// One apply's writes, stopping at the first one the file refuses.
#include "SettingsWriter.h"

#include "Settings.h"

void SettingsWriter::Int(const IntSetting& setting, int value) {
  m_bFailed = m_bFailed || !Settings::WriteInt(setting, value);
}

void SettingsWriter::String(const StringSetting& setting, const std::string& value) {
  m_bFailed = m_bFailed || !Settings::WriteString(setting, value);
}

void SettingsWriter::Delete(const StringSetting& setting) {
  m_bFailed = m_bFailed || !Settings::DeleteKey(setting);
}

void SettingsWriter::Font(const FontSetting& setting, const LOGFONTA& font) {
  m_bFailed = m_bFailed || !Settings::WriteFont(setting, font);
}
