// IniFile: the settings file as a test reads it, straight from its text: sections (names
// compared without case, as the private-profile rules do) of keys in file order.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

using IniSection = std::vector<std::pair<std::string, std::string>>;

class IniFile {
 public:
  // Reads the file; a missing file has no sections.
  explicit IniFile(const std::string& path);

  bool Exists() const { return m_exists; }
  // Every key=value line of the section in file order; empty when the section is missing.
  IniSection Section(const std::string& name) const;
  // The value of a key, or "<none>" when it is missing.
  std::string Value(const std::string& section, const std::string& key) const;
  bool Has(const std::string& section, const std::string& key) const;
  // The sections that hold at least one key, in lower case.
  std::vector<std::string> SectionNames() const;
  const std::string& Text() const { return m_text; }

 private:
  bool m_exists = false;
  std::string m_text;
  std::map<std::string, IniSection> m_sections;
};

// The settings file of this test run (USERPROFILE\Kavelo\Config\Kavelo.ini).
std::string SettingsPath();
// USERPROFILE\Kavelo, with the settings and the data folder.
std::string KaveloFolder();
