// One apply's writes, stopping at the first one the file refuses.
#include "SettingsWriter.h"

#include "Settings.h"

void SettingsWriter::Int(const char* section, const char* key, int value) {
  m_bFailed = m_bFailed || !Settings::WriteInt(section, key, value);
}

void SettingsWriter::String(const char* section, const char* key, const std::string& value) {
  m_bFailed = m_bFailed || !Settings::WriteString(section, key, value);
}

void SettingsWriter::Delete(const char* section, const char* key) {
  m_bFailed = m_bFailed || !Settings::DeleteKey(section, key);
}

void SettingsWriter::Font(const char* section, const char* name, const LOGFONTA& font) {
  m_bFailed = m_bFailed || !Settings::WriteFont(section, name, font);
}
