// Reading the settings file's text for comparison.
#include "IniFile.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

}  // namespace

IniFile::IniFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  m_exists = file.good();
  std::stringstream content;
  content << file.rdbuf();
  m_text = content.str();
  std::istringstream lines(m_text);
  std::string line, section;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
      section = Lower(line.substr(1, line.size() - 2));
      m_sections[section];
    } else if (size_t equals = line.find('='); equals != std::string::npos) {
      m_sections[section].emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
  }
}

IniSection IniFile::Section(const std::string& name) const {
  auto found = m_sections.find(Lower(name));
  return found == m_sections.end() ? IniSection() : found->second;
}

std::string IniFile::Value(const std::string& section, const std::string& key) const {
  for (const auto& entry : Section(section))
    if (Lower(entry.first) == Lower(key)) return entry.second;
  return "<none>";
}

bool IniFile::Has(const std::string& section, const std::string& key) const {
  return Value(section, key) != "<none>";
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  for (const auto& section : m_sections)
    if (!section.second.empty()) names.push_back(section.first);
  return names;
}

std::string KaveloFolder() {
  char profile[MAX_PATH] = "";
  GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
  return std::string(profile) + "\\Kavelo";
}

std::string SettingsPath() { return KaveloFolder() + "\\Config\\Kavelo.ini"; }
