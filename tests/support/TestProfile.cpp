// The profile the launcher made for this run: the settings file and the test's folders in it.
#include "TestProfile.h"

#include <windows.h>

#include <cstdio>

#include "KVProfile.h"
#include "TestFiles.h"

void MakeConfigFolder() {
  CreateDirectoryA(KVGetFolders().app, nullptr);
  CreateDirectoryA(KVGetFolders().config, nullptr);
}

void ResetSettings() {
  MakeConfigFolder();
  RemoveSettingsFile();
}

void RemoveSettingsFile() { DeleteFileA(KVGetFolders().settings); }

std::string ReadSettingsFile() { return ReadWholeFile(KVGetFolders().settings); }

void SetSetting(const char* section, const char* key, int value) {
  KVWriteProfileInt(section, key, value);
}

std::string FreshFolder(const std::string& name) {
  std::string root = std::string(KVGetFolders().user) + "e2e";
  CreateDirectoryA(root.c_str(), nullptr);
  std::string folder = root + "\\" + name;
  RemoveTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

std::string DataFolder() { return std::string(KVGetFolders().data) + "\\"; }

std::string TodayFolderName() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char name[16];
  std::snprintf(name, sizeof name, "%04u%02u%02u", now.wYear, now.wMonth, now.wDay);
  return name;
}
