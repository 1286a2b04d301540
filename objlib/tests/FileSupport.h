// Helpers for the file reference tests: a scratch folder in the test profile, stored paths.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "KVFile.h"
#include "KVProfile.h"
#include "TestSupport.h"

// A settings file of its own and an empty scratch folder in the profile for every test.
class FileFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettings();
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
