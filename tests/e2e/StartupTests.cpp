// Starting the editor: one window per memo file, new memos, and plain text imported as a
// new memo that has no file of its own.
#include <cctype>

#include "KeyboardInput.h"
#include "MemoBuilder.h"
#include "MemoTest.h"
#include "PromptBox.h"
#include "SavedMemo.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

using Startup = MemoTest;

TEST_F(Startup, EverySpellingOfAnOpenPathFrontsItsWindow) {
  const std::string path = Folder() + "Instance.kvm";
  ASSERT_TRUE(MemoBuilder().Text("起動の確認").Name("起動テスト").Save(path));

  MemoProcess& fresh = Launch();
  ASSERT_TRUE(fresh.WaitForWindow());
  EXPECT_EQ(kUntitledTitle, fresh.Title());
  MemoProcess& first = Launch(path);
  ASSERT_TRUE(first.WaitForWindow());
  EXPECT_EQ("KVMemo - 起動テスト", first.Title());

  // With the new memo in front, a second start on the same path brings the first forward.
  ASSERT_TRUE(KeyboardInput(fresh.Window()).Focus());
  MemoProcess& again = Launch(path);
  ASSERT_TRUE(again.WaitForExit());
  EXPECT_FALSE(again.ShowedWindow());
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first.Window(); }));
  EXPECT_EQ(1u, MemoWindows(first.Id()).size());

  // Another letter case or a detour through another folder names the same file.
  std::string otherCase = path;
  for (size_t i = path.find_last_of('\\') + 1; i < otherCase.size(); ++i)
    otherCase[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(otherCase[i])));
  const std::string detour = Folder() + "sub\\..\\" + path.substr(path.find_last_of('\\') + 1);
  for (const std::string& spelling : {otherCase, detour}) {
    ASSERT_TRUE(KeyboardInput(fresh.Window()).Focus());
    MemoProcess& twin = Launch(spelling);
    ASSERT_TRUE(twin.WaitForExit()) << spelling;
    EXPECT_FALSE(twin.ShowedWindow()) << spelling;
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first.Window(); }));
  }
}

TEST_F(Startup, PlainTextOpensAsANewMemoAndSaveAsksForAName) {
  const std::string textPath = Folder() + "notes.txt";
  const std::string text = "一行目のメモ\r\nsecond line\r\n";
  ASSERT_TRUE(WriteWholeFile(textPath, text));

  MemoProcess& memo = Launch(textPath);
  ASSERT_TRUE(memo.WaitForWindow());
  EXPECT_EQ(kUntitledTitle, memo.Title());

  // Save of a memo without a file is Save As: by default the save-file dialog asks.
  ASSERT_TRUE(SaveAsksForAName(memo.Window())) << "Ctrl+S showed no save-file dialog";
  EXPECT_TRUE(memo.Running());
  KeyboardInput keys(memo.Window());

  // With numbered names the memo goes to the data folder; the text file stays as it was.
  SetSetting("Option", "UseFileSaveDialog", 0);
  SetSetting("Option", "UseDataFolderDialog", 0);
  const std::string saved = DataFolder() + "00000000.kvm";
  ASSERT_TRUE(keys.Focus());
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  ASSERT_TRUE(WaitUntil([&] { return SavedMemo(saved).Loaded(); })) << saved;
  EXPECT_EQ(text, SavedMemo(saved).Text());
  EXPECT_EQ(text, ReadWholeFile(textPath));
  EXPECT_EQ("KVMemo - 00000000.kvm", memo.Title());
}
