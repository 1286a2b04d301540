// The profile the launcher made for this run: the settings file and the test's folders in it.
#pragma once

#include <string>

// The launcher gives every test program an empty profile; settings writes need the folder.
void MakeConfigFolder();
// Makes the settings folder and removes the settings file: every setting at its default.
void ResetSettings();
void RemoveSettingsFile();
std::string ReadSettingsFile();
void SetSetting(const char* section, const char* key, int value);
// An empty folder for one test's files in the profile, ending in a backslash.
std::string FreshFolder(const std::string& name);
// The per-user data folder where generated memo names go, ending in a backslash.
std::string DataFolder();
// Today's date as a dated data subfolder is named ("%Y%m%d").
std::string TodayFolderName();
