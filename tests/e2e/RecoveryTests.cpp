// Recovery copies end to end: a memo window killed with unsaved typing is offered at the
// next start, restored with its path and changed mark, and its copy goes when it is saved
// or closed without saving; damaged copies are reported and set aside.
#include <string>
#include <vector>

#include "GlobalBlocks.h"
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

const char kOfferCaption[] = "保存されていない変更の復元";

std::string RecoveryFolder() { return std::string(KVGetFolders().config) + "\\Recovery\\"; }

std::vector<std::string> RecoveryEntries() {
  return FolderEntries(std::string(KVGetFolders().config) + "\\Recovery");
}

// The path of a recovery copy that holds exactly this text, once one is written.
std::string WaitForCopyHolding(const std::string& text) {
  std::string found;
  WaitUntil([&] {
    for (const std::string& name : RecoveryEntries()) {
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".kvm") == 0 &&
          SavedMemo(RecoveryFolder() + name).Text() == text)
        found = RecoveryFolder() + name;
    }
    return !found.empty();
  });
  return found;
}

// Ends the process as a crash or a power cut would: nothing of it runs any more.
void KillHard(const MemoProcess& memo) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, memo.Id());
  ASSERT_NE(nullptr, process);
  TerminateProcess(process, 9);
  WaitForSingleObject(process, kWaitMs);
  CloseHandle(process);
}

class Recovery : public MemoTest {
 protected:
  void SetUp() override {
    MemoTest::SetUp();
    SetSetting("Option", "RecoveryDelay", 1);
    SetSetting("Title", "UseDocName", 0);  // the title shows the path
    SetSetting("Title", "HavePath", 1);
  }
};

}  // namespace

TEST_F(Recovery, KilledMemosAreOfferedRestoredHereOrInTheirOwnWindowAndSavedWithoutCopies) {
  const std::string path = Folder() + "killed.kvm";
  ASSERT_TRUE(MemoBuilder().Text("元の文").Save(path));
  const std::string original = ReadWholeFile(path);

  MemoProcess& memo = Launch(path);
  ASSERT_TRUE(memo.WaitForWindow());
  ASSERT_TRUE(TypeInto(memo.Window(), "typed "));
  ASSERT_FALSE(WaitForCopyHolding("typed 元の文").empty()) << "no recovery copy was written";
  EXPECT_EQ(original, ReadWholeFile(path)) << "the copy touched the memo file";
  MemoProcess& other = Launch();
  ASSERT_TRUE(other.WaitForWindow());
  ASSERT_TRUE(TypeInto(other.Window(), "second"));
  ASSERT_FALSE(WaitForCopyHolding("second").empty());
  KillHard(memo);
  KillHard(other);

  // Opened again, the memo takes its own copy; the new memo's copy gets a window of its own.
  MemoProcess& again = Launch(path);
  for (int box = 0; box < 2; ++box) {
    PromptBox offer = PromptBox::OfProcess(again.Id());
    ASSERT_TRUE(offer.Found()) << "the copy of a killed window was not offered";
    EXPECT_EQ(kOfferCaption, offer.Caption());
    EXPECT_TRUE(offer.HasButton(IDC_RECOVERY_DISCARD));
    EXPECT_TRUE(offer.HasButton(IDC_RECOVERY_LATER));
    ASSERT_TRUE(offer.Text().find(path) != std::string::npos ||
                offer.Text().find("新規メモ") != std::string::npos)
        << offer.Text();
    ASSERT_TRUE(offer.Answer(IDC_RECOVERY_RESTORE));
  }
  ASSERT_TRUE(again.WaitForWindow());
  EXPECT_EQ("KVMemo - " + path, again.Title());
  EXPECT_EQ(original, ReadWholeFile(path)) << "restoring saved by itself";
  HWND restored = WaitForOtherMemoWindow({again.Id()});
  ASSERT_NE(nullptr, restored) << "the new memo's copy opened no window";
  EXPECT_EQ("KVMemo - 新規ファイル", WindowTitle(restored));
  Close(restored);
  PromptBox discard(restored);
  ASSERT_TRUE(discard.Found()) << "the memo restored in its own window was not marked changed";
  ASSERT_TRUE(discard.Answer(IDNO));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(restored); }));

  Close(again.Window());
  PromptBox asked(again.Window());
  ASSERT_TRUE(asked.Found()) << "the restored memo was not marked changed";
  ASSERT_TRUE(asked.Answer(IDCANCEL));
  Command(again.Window(), kCmdSave);
  EXPECT_TRUE(WaitUntil([&] { return SavedMemo(path).Text() == "typed 元の文"; }));
  EXPECT_TRUE(WaitUntil([] { return RecoveryEntries().empty(); })) << "saving left a copy";
  Close(again.Window());
  ASSERT_TRUE(again.WaitForExit());
  EXPECT_TRUE(RecoveryEntries().empty());
}

TEST_F(Recovery, NewMemoComesBackIntoAnEmptyStartDamagedCopiesAreSetAsideAndNoDiscards) {
  MemoProcess& memo = Launch();
  ASSERT_TRUE(memo.WaitForWindow());
  ASSERT_TRUE(TypeInto(memo.Window(), "never saved"));
  const std::string copy = WaitForCopyHolding("never saved");
  ASSERT_FALSE(copy.empty());
  // A window that runs keeps its copy: another start offers nothing. The offer comes before
  // the new window answers messages, so by then it would show.
  MemoProcess& bystander = Launch();
  ASSERT_TRUE(bystander.WaitForWindow());
  EXPECT_TRUE(DialogsOf(bystander.Id()).empty()) << "the copy of a running window was offered";
  Close(bystander.Window());
  ASSERT_TRUE(bystander.WaitForExit());
  EXPECT_TRUE(FileExists(copy));
  KillHard(memo);
  const std::string damaged = RecoveryFolder() + "damaged";
  ASSERT_TRUE(WriteWholeFile(damaged + ".kvr",
                             "KVMemoRecovery 1\r\nPath=C:\\x.kvm\r\nOwner=1 1\r\nDisk=0 0 0\r\n"));
  ASSERT_TRUE(WriteWholeFile(damaged + ".kvm", "no memo stream"));

  MemoProcess& again = Launch();
  bool offered = false, reported = false;
  for (int box = 0; box < 2; ++box) {
    PromptBox prompt = PromptBox::OfProcess(again.Id());
    ASSERT_TRUE(prompt.Found()) << "offered " << offered << ", reported " << reported;
    if (prompt.HasButton(IDC_RECOVERY_RESTORE)) {
      EXPECT_NE(std::string::npos, prompt.Text().find("新規メモ")) << prompt.Text();
      offered = prompt.Answer(IDC_RECOVERY_RESTORE);
    } else {
      EXPECT_NE(std::string::npos, prompt.Text().find(damaged + ".kvm")) << prompt.Text();
      reported = prompt.Answer(IDOK);
    }
  }
  ASSERT_TRUE(offered && reported);
  ASSERT_TRUE(again.WaitForWindow());
  EXPECT_EQ("KVMemo - 新規ファイル", again.Title());
  Command(again.Window(), ID_EDIT_SELECT_ALL);
  Command(again.Window(), ID_EDIT_COPY_TEXT);
  EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "never saved"; })) << ClipboardText();

  Close(again.Window());
  PromptBox asked(again.Window());
  ASSERT_TRUE(asked.Found());
  ASSERT_TRUE(asked.Answer(IDNO));
  ASSERT_TRUE(again.WaitForExit());
  EXPECT_EQ((std::vector<std::string>{"damaged.kvm.damaged", "damaged.kvr.damaged"}),
            RecoveryEntries());
}
