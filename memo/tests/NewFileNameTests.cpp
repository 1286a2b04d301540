// New-file naming in the data folder modes: counter, dated subfolders, named folders and
// the refusal to hand out the name of an existing memo.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "KVFont.h"
#include "KVProfile.h"
#include "NewFileName.h"

namespace {

class NewFileName : public ::testing::Test {
 protected:
  // Every test files into a data folder of its own, with settings of its own.
  void SetUp() override {
    CreateDirectoryA(KVGetFolders().app, nullptr);
    CreateDirectoryA(KVGetFolders().config, nullptr);
    CreateDirectoryA(KVGetFolders().data, nullptr);
    DeleteFileA(KVGetFolders().settings);
    data = std::string(KVGetFolders().data) + "\\" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(data.c_str(), nullptr);
    lstrcpyA(g_szUserDataDir, data.c_str());
    KVWriteProfileInt("Option", "UseFileSaveDialog", 0);
    KVWriteProfileInt("Option", "UseDataFolderDialog", 0);
  }
  std::string Next() {
    char name[kPathSize] = "proposal";
    EXPECT_TRUE(GetNewFileName(nullptr, name));
    return name;
  }
  int Counter(const std::string& folder) {
    return GetPrivateProfileIntA("FileSystem", "LastFID", -2, (folder + "\\DataFolder.ini").c_str());
  }
  std::string data;
};

void Touch(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
}

TEST_F(NewFileName, NumbersMemosInTheUserDataFolder) {
  EXPECT_EQ(Next(), data + "\\00000000.kvm");
  EXPECT_EQ(Next(), data + "\\00000001.kvm");
  EXPECT_EQ(Counter(data), 1);
  WritePrivateProfileStringA("FileSystem", "LastFID", "254", (data + "\\DataFolder.ini").c_str());
  EXPECT_EQ(Next(), data + "\\000000FF.kvm");
}

TEST_F(NewFileName, NeverNamesAnExistingFileAfterTheCounterIsLost) {
  Touch(data + "\\00000000.kvm");
  Touch(data + "\\00000001.kvm");
  Touch(data + "\\00000003.kvm");
  EXPECT_EQ(Next(), data + "\\00000002.kvm");
  EXPECT_EQ(Counter(data), 2);
  EXPECT_EQ(Next(), data + "\\00000004.kvm");
}

TEST_F(NewFileName, DatedSubfoldersKeepTheCounterInTheDataFolder) {
  KVWriteProfileInt("Option", "DataFolderType", 1);
  time_t now = time(nullptr);
  char today[32];
  KVStrftime(today, sizeof today, "%Y%m%d", localtime(&now));
  EXPECT_EQ(Next(), data + "\\" + today + "\\00000000.kvm");
  EXPECT_EQ(Counter(data), 0);
  EXPECT_NE(GetFileAttributesA((data + "\\" + today).c_str()), INVALID_FILE_ATTRIBUTES);

  KVWriteProfileInt("Option", "DataFolderType", 3);
  KVWriteProfileString("Option", "SubFolderFmt", "");
  EXPECT_EQ(Next(), data + "\\00000001.kvm");  // type 3 without a format: no subfolder
  KVWriteProfileString("Option", "SubFolderFmt", "%Y年");
  char year[32];
  KVStrftime(year, sizeof year, "%Y年", localtime(&now));
  EXPECT_EQ(Next(), data + "\\" + year + "\\00000002.kvm");
}

TEST_F(NewFileName, TheDefaultDataFolderIsFoundByName) {
  std::string work = data + "\\work";
  CreateDirectoryA(work.c_str(), nullptr);
  KVWriteProfileString("DataFolder", "Work", (work + "\\").c_str());
  KVWriteProfileString("Option", "DefaultDataFolder", "Work");
  EXPECT_EQ(Next(), work + "\\00000000.kvm");
  EXPECT_EQ(Counter(work), 0);
  KVWriteProfileString("Option", "DefaultDataFolder", "user");
  EXPECT_EQ(Next(), data + "\\00000000.kvm");
}

}  // namespace
