// Save As in the data folder: numbered names in a dated subfolder, the counter beside
// them, and no name handed out twice when the counter is lost.
#include "DialogControls.h"
#include "KeyboardInput.h"
#include "MemoTest.h"
#include "SavedMemo.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

int LastFileId() {
  return static_cast<int>(
      GetPrivateProfileIntA("FileSystem", "LastFID", -1, (DataFolder() + "DataFolder.ini").c_str()));
}

}  // namespace

class DataFolderNaming : public MemoTest {
 protected:
  void SetUp() override {
    MemoTest::SetUp();
    SetSetting("Option", "UseFileSaveDialog", 0);
    SetSetting("Option", "UseDataFolderDialog", 0);
    SetSetting("Option", "DataFolderType", 1);
    day_ = TodayFolderName();
  }

  // The generated file of that name in today's subfolder (or tomorrow's, past midnight).
  std::string Generated(const std::string& name) const {
    std::string path = DataFolder() + day_ + "\\" + name;
    if (!FileExists(path) && TodayFolderName() != day_)
      path = DataFolder() + TodayFolderName() + "\\" + name;
    return path;
  }

  // A new memo with the text typed in, saved with Save As; returns its window once the
  // command has run.
  HWND SaveNewMemoAs(const std::string& text) {
    MemoProcess& memo = Launch();
    if (!memo.WaitForWindow()) return nullptr;
    KeyboardInput keys(memo.Window());
    if (!keys.Focus()) return nullptr;
    keys.Type(text);
    if (!keys.Settle()) return nullptr;
    Command(memo.Window(), kCmdSaveAs);
    return keys.Settle() ? memo.Window() : nullptr;
  }

  std::string day_;
};

TEST_F(DataFolderNaming, NumbersFilesInADatedFolderAndNeverOverwrites) {
  HWND first = SaveNewMemoAs("one");
  ASSERT_TRUE(first);
  EXPECT_EQ("one", SavedMemo(Generated("00000000.kvm")).Text());
  EXPECT_EQ(0, LastFileId());
  EXPECT_FALSE(FileExists(DataFolder() + day_ + "\\DataFolder.ini"));
  EXPECT_EQ("KVMemo - 00000000.kvm", WindowTitle(first));  // the title follows Save As
  const std::string status = TextOf(ChildOfClass(first, "msctls_statusbar32"));
  EXPECT_NE(std::string::npos, status.find(Generated("00000000.kvm"))) << status;

  // The memo now has that file: Save writes it again instead of taking a new name.
  KeyboardInput keys(first);
  ASSERT_TRUE(keys.Focus());
  keys.Type("+");
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  EXPECT_TRUE(WaitUntil([&] { return SavedMemo(Generated("00000000.kvm")).Text() == "one+"; }));
  EXPECT_FALSE(FileExists(Generated("00000001.kvm")));

  ASSERT_TRUE(SaveNewMemoAs("two"));
  EXPECT_EQ("two", SavedMemo(Generated("00000001.kvm")).Text());
  EXPECT_EQ(1, LastFileId());

  // A lost counter starts again at 0, but a name that exists is skipped, never overwritten.
  ASSERT_TRUE(DeleteFileA((DataFolder() + "DataFolder.ini").c_str()));
  ASSERT_TRUE(SaveNewMemoAs("three"));
  EXPECT_EQ("one+", SavedMemo(Generated("00000000.kvm")).Text());
  EXPECT_EQ("two", SavedMemo(Generated("00000001.kvm")).Text());
  EXPECT_EQ("three", SavedMemo(Generated("00000002.kvm")).Text());
}
