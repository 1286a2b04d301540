// The data folder dialog offers the same named folders the library resolves paths with,
// however the folder list is spelt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataFolderDlg.h"
#include "KVFile.h"
#include "KVProfile.h"

namespace {

using Names = std::vector<std::string>;

// The name the library gives the folder of a path inside the named folder's path.
std::string MacroNameOfFileIn(const char* name) {
  char path[kPathSize] = "";
  DataFolderPath(name, path);
  char form[MAX_PATH] = "";
  KVFile::MacroForm((std::string(path) + "memo.kvm").c_str(), form);
  return form;
}

TEST(DataFolderNames, EveryListedFolderIsOfferedAsTheLibraryNamesIt) {
  CreateDirectoryA(KVGetFolders().app, nullptr);
  CreateDirectoryA(KVGetFolders().config, nullptr);
  DeleteFileA(KVGetFolders().settings);
  EXPECT_EQ(DataFolderNames(), Names{"USER"});
  KVWriteProfileString("DataFolder", "Work", "C:\\work\\");
  KVWriteProfileString("DataFolder", "Home", "C:\\home\\");
  // As the options editor writes it, without the trailing mark, and as edited by hand with
  // a leading or a doubled mark: the dialog used to stop at the first empty name.
  for (const char* list : {"Work%Home%", "Work%Home", "%Work%Home%", "Work%%Home%"}) {
    SCOPED_TRACE(list);
    KVWriteProfileString("Option", "FolderList", list);
    EXPECT_EQ(DataFolderNames(), (Names{"USER", "Work", "Home"}));
    EXPECT_EQ(MacroNameOfFileIn("Work"), "%Work%memo.kvm");
    EXPECT_EQ(MacroNameOfFileIn("Home"), "%Home%memo.kvm");
  }
}

}  // namespace
