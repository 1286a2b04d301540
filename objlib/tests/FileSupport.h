// Helpers for the file reference tests: a scratch folder in the test profile, whole files.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "KVFile.h"
#include "KVProfile.h"
#include "TestSupport.h"

inline void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

inline bool WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

inline std::string ReadBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

inline std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// A settings file of its own and an empty scratch folder in the profile for every test.
class FileFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeConfigFolder();
    RemoveSettingsFile();
    scratch_ = std::string(KVGetFolders().user) + "scratch";
    RemoveTree(scratch_);
    CreateDirectoryA(scratch_.c_str(), nullptr);
  }
  void TearDown() override {
    RemoveTree(scratch_);
    RemoveSettingsFile();
  }
  std::string Scratch(const std::string& name) const { return scratch_ + "\\" + name; }

  std::string scratch_;
};

// The expanded path a stored path attaches to, or the result code when attaching fails.
inline std::string Expanded(const std::string& stored) {
  KVFile file;
  int result = file.Attach(stored.c_str());
  char path[MAX_PATH] = "";
  if (file.GetPathName(path) != 0) return "<result " + std::to_string(result) + ">";
  return path;
}

inline std::string MacroFormOf(const std::string& path) {
  char form[MAX_PATH];
  KVFile::MacroForm(path.c_str(), form);
  return form;
}
