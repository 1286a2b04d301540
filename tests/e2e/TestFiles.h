// The files of a test inside the profile folder that the launcher made for this run.
#pragma once

#include <string>

// Removes the settings file, so each test starts with every setting at its default.
void ResetSettings();
void SetSetting(const char* section, const char* key, int value);
// An empty folder for one test's files, ending in a backslash.
std::string FreshFolder(const std::string& name);
// The per-user data folder where generated memo names go, ending in a backslash.
std::string DataFolder();
void RemoveTree(const std::string& folder);
bool FileExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// Today's date as a dated data subfolder is named ("%Y%m%d").
std::string TodayFolderName();
