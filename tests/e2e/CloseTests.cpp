// Closing memo windows: the save prompt and its three answers, silent saves of moved
// windows, and closing every memo window at once.
#include "ChildProcess.h"
#include "KVProfile.h"
#include "KeyboardInput.h"
#include "MemoBuilder.h"
#include "MemoTest.h"
#include "PromptBox.h"
#include "SavedMemo.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

// The prompt of a changed memo: the question, the program's caption, three answers.
void ExpectSavePrompt(const PromptBox& prompt) {
  EXPECT_EQ("KVMemo", prompt.Caption());
  EXPECT_EQ(kSavePrompt, prompt.Text());
  EXPECT_TRUE(prompt.HasButton(IDYES));
  EXPECT_TRUE(prompt.HasButton(IDNO));
  EXPECT_TRUE(prompt.HasButton(IDCANCEL));
}

}  // namespace

using Closing = MemoTest;

TEST_F(Closing, ChangedMemoAsksCancelKeepsNoDiscardsYesSaves) {
  const std::string path = Folder() + "close.kvm";
  ASSERT_TRUE(MemoBuilder().Text("保存前").Save(path));
  const std::string original = ReadWholeFile(path);

  MemoProcess& memo = Launch(path);
  ASSERT_TRUE(memo.WaitForWindow());
  EXPECT_EQ("KVMemo - close.kvm", memo.Title());  // a memo without a name shows its file
  ASSERT_TRUE(TypeInto(memo.Window(), "Z"));
  Close(memo.Window());
  PromptBox cancelled(memo.Window());
  ASSERT_TRUE(cancelled.Found()) << "close of a changed memo did not ask";
  ExpectSavePrompt(cancelled);
  ASSERT_TRUE(cancelled.Answer(IDCANCEL));
  EXPECT_TRUE(Answers(memo.Window()));
  EXPECT_TRUE(memo.Running());

  Close(memo.Window());
  PromptBox discarded(memo.Window());
  ASSERT_TRUE(discarded.Found());
  ASSERT_TRUE(discarded.Answer(IDNO));
  ASSERT_TRUE(memo.WaitForExit());
  EXPECT_EQ(original, ReadWholeFile(path));

  MemoProcess& again = Launch(path);
  ASSERT_TRUE(again.WaitForWindow());
  ASSERT_TRUE(TypeInto(again.Window(), "Y"));
  Close(again.Window());
  PromptBox accepted(again.Window());
  ASSERT_TRUE(accepted.Found());
  ASSERT_TRUE(accepted.Answer(IDYES));
  ASSERT_TRUE(again.WaitForExit());
  EXPECT_EQ("Y保存前", SavedMemo(path).Text());
}

TEST_F(Closing, MovedWindowSavesSilentlyWithoutTheCloseMessage) {
  SetSetting("Option", "UseCloseMsg", 0);
  SetSetting("Option", "SaveWindowInfo", 1);
  const std::string path = Folder() + "moved.kvm";
  ASSERT_TRUE(MemoBuilder().Text("動かすだけ").Save(path));

  MemoProcess& memo = Launch(path);
  ASSERT_TRUE(memo.WaitForWindow());
  const RECT placed = Place(memo.Window(), 210, 120, 450, 330);
  Close(memo.Window());
  ASSERT_TRUE(memo.WaitForExit()) << "a moved memo with a file did not close by itself";
  SavedMemo saved(path);
  EXPECT_EQ("動かすだけ", saved.Text());
  EXPECT_EQ(RectText(placed), RectText(saved.Placement().rcNormalPosition));

  // By default a move is no change: no question, nothing is written.
  ResetSettings();
  const std::string before = ReadWholeFile(path);
  MemoProcess& again = Launch(path);
  ASSERT_TRUE(again.WaitForWindow());
  Place(again.Window(), 30, 40, 400, 300);
  Close(again.Window());
  ASSERT_TRUE(again.WaitForExit());
  EXPECT_EQ(before, ReadWholeFile(path));

  // A new memo has no file to save silently into: it always asks.
  MemoProcess& fresh = Launch();
  ASSERT_TRUE(fresh.WaitForWindow());
  ASSERT_TRUE(TypeInto(fresh.Window(), "n"));
  Close(fresh.Window());
  PromptBox prompt(fresh.Window());
  ASSERT_TRUE(prompt.Found()) << "a typed-in new memo closed without asking";
  ExpectSavePrompt(prompt);
  ASSERT_TRUE(prompt.Answer(IDNO));
  EXPECT_TRUE(fresh.WaitForExit());
}

TEST_F(Closing, CloseAllClosesEveryMemoWindowEachWithItsOwnPrompt) {
  const std::string changedPath = Folder() + "changed.kvm";
  const std::string untouchedPath = Folder() + "untouched.kvm";
  ASSERT_TRUE(MemoBuilder().Text("一").Save(changedPath));
  ASSERT_TRUE(MemoBuilder().Text("二").Save(untouchedPath));

  MemoProcess& changed = Launch(changedPath);
  ASSERT_TRUE(changed.WaitForWindow());
  Place(changed.Window(), 0, 0, 400, 300);
  ASSERT_TRUE(TypeInto(changed.Window(), "1"));
  MemoProcess& untouched = Launch(untouchedPath);
  ASSERT_TRUE(untouched.WaitForWindow());
  MemoProcess& fresh = Launch();
  ASSERT_TRUE(fresh.WaitForWindow());
  Place(fresh.Window(), 420, 0, 400, 300);
  ASSERT_TRUE(TypeInto(fresh.Window(), "3"));
  const std::string untouchedBytes = ReadWholeFile(untouchedPath);

  // The other windows are closed first, each asking for itself; cancelling keeps only that
  // one open, and the window that was told to close all asks last.
  Command(changed.Window(), kCmdCloseAll);
  EXPECT_TRUE(untouched.WaitForExit()) << "an unchanged memo did not close";
  PromptBox freshPrompt(fresh.Window());
  ASSERT_TRUE(freshPrompt.Found()) << "the changed new memo did not ask";
  ExpectSavePrompt(freshPrompt);
  ASSERT_TRUE(freshPrompt.Answer(IDCANCEL));
  PromptBox ownPrompt(changed.Window());
  ASSERT_TRUE(ownPrompt.Found()) << "the window told to close all did not ask";
  ASSERT_TRUE(ownPrompt.Answer(IDYES));
  ASSERT_TRUE(changed.WaitForExit());

  EXPECT_EQ("1一", SavedMemo(changedPath).Text());
  EXPECT_EQ(untouchedBytes, ReadWholeFile(untouchedPath));
  EXPECT_TRUE(fresh.Running());
  EXPECT_TRUE(Answers(fresh.Window()));
  EXPECT_EQ(1u, MemoWindows(fresh.Id()).size());
}

// The test plug-in leaves "<target>.destroyed" when its Destroy runs: closing the window must
// release the memo's document, its link and the plug-in's instance, and end cleanly.
TEST_F(Closing, AViewerPluginIsToldToDestroyItsInstanceWhenTheMemoWindowCloses) {
  KVWriteProfileString("Plugin", "flt", (ProgramFolder() + "faulting_plugin.dll").c_str());
  const std::string target = Folder() + "picture.flt";
  const std::string path = Folder() + "viewer.kvm";
  ASSERT_TRUE(WriteWholeFile(target, "drawn by the plug-in"));
  ASSERT_TRUE(MemoBuilder().Text("絵\n").Link(target, true).Save(path));

  MemoProcess& memo = Launch(path);
  ASSERT_TRUE(memo.WaitForWindow());
  ASSERT_TRUE(Answers(memo.Window()));
  // Opening the memo may load the link more than once; only the last instance is left.
  DeleteFileA((target + ".destroyed").c_str());
  Close(memo.Window());
  ASSERT_TRUE(memo.WaitForExit()) << "an unchanged memo with a plug-in link did not close";
  EXPECT_EQ(0, memo.ExitCode());
  EXPECT_TRUE(FileExists(target + ".destroyed")) << "the plug-in was never told Destroy";
}
