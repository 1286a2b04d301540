// Find and replace through the platform's find and replace dialogs: searching on past the
// end or the start with the wrap-around questions, single replacements, and replace all
// with the count it reports.
#include "CommandTest.h"
#include "DialogControls.h"
#include "MemoBuilder.h"
#include "MemoLayout.h"
#include "Screenshots.h"
#include "WindowQuery.h"

namespace {

// Controls of the platform's find and replace dialogs.
const int kFindWhat = 1152;
const int kReplaceWith = 1153;
const int kReplaceOne = 1024;
const int kReplaceAll = 1025;
const int kUpwards = 1056;

const char kWrapAtEnd[] =
    "ドキュメントの末尾に達しました。\nドキュメントの先頭から再検索しますか？";
const char kWrapAtStart[] =
    "ドキュメントの先頭に達しました。\nドキュメントの末尾から再検索しますか？";

// Clicks a button of the find dialog and waits until the view has handled the request,
// unless the request asks a question first.
void Click(HWND dialog, int id) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)), SMTO_NORMAL, 2000, &result);
}

// The find or replace dialog that the command opened; null if none came.
HWND WaitForFindDialog(DWORD pid) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND dialog : DialogsOf(pid))
      if (GetDlgItem(dialog, kFindWhat)) found = dialog;
    return found != nullptr;
  });
  return found;
}

}  // namespace

class FindReplace : public CommandTest {
 protected:
  MemoProcess& Open() {
    path_ = Folder() + "find.kvm";
    EXPECT_TRUE(MemoBuilder().Text("xx abc yy abc zz abc").Save(path_));
    return OpenWithKeys(path_);
  }
  // Closes the dialog and gives the memo its keys again.
  void Finish(const MemoProcess& memo, HWND dialog) {
    PressButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitForNoDialog(memo.Id()));
    ASSERT_TRUE(ReturnTo(Keys(), memo.Window()));
  }

  std::string path_;
};

TEST_F(FindReplace, FindAsksPastTheEndYesWrapsToTheStartUpwardsNoStays) {
  MemoProcess& memo = Open();
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // Ctrl+F from the start: the three "abc" one by one, then past the end the question; Yes
  // searches on from the start and selects the first one, which typing then replaces.
  keys.Press('F', true);
  HWND find = WaitForFindDialog(memo.Id());
  ASSERT_NE(nullptr, find) << "Ctrl+F opened no find dialog";
  EXPECT_EQ(nullptr, GetDlgItem(find, kReplaceWith)) << "Ctrl+F opened the replace dialog";
  SetControlText(find, kFindWhat, "abc");
  TakeShot("find-dialog");
  for (int i = 0; i < 3; ++i) Click(find, IDOK);
  EXPECT_TRUE(DialogsOf(memo.Id()).size() == 1) << "asked before the end was reached";
  Click(find, IDOK);
  HWND question = WaitForDialog(memo.Id(), "KVMemo");
  ASSERT_NE(nullptr, question) << "no question at the end of the memo";
  EXPECT_EQ(kWrapAtEnd, DialogText(question));
  TakeShot("find-wrap-question");
  PressButton(question, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return DialogsOf(memo.Id()).size() == 1; }));
  Finish(memo, find);
  keys.Type("1");

  // Searching upwards from the start asks at once; No leaves the caret where it was.
  keys.Press(VK_HOME, true);
  keys.Press('F', true);
  find = WaitForFindDialog(memo.Id());
  ASSERT_NE(nullptr, find);
  SetControlText(find, kFindWhat, "abc");
  DWORD_PTR result = 0;
  SendMessageTimeoutA(GetDlgItem(find, kUpwards), BM_CLICK, 0, 0, SMTO_NORMAL, 2000, &result);
  Click(find, IDOK);
  question = WaitForDialog(memo.Id(), "KVMemo");
  ASSERT_NE(nullptr, question) << "no question at the start of the memo";
  EXPECT_EQ(kWrapAtStart, DialogText(question));
  PressButton(question, IDNO);
  ASSERT_TRUE(WaitUntil([&] { return DialogsOf(memo.Id()).size() == 1; }));
  Finish(memo, find);
  keys.Type("2");
  EXPECT_EQ("2xx 1 yy abc zz abc", SavedText(keys, path_));
}

TEST_F(FindReplace, ReplaceTakesTheNextOneAndReplaceAllCountsWhatIsLeftEvenNone) {
  MemoProcess& memo = Open();
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  keys.Press('R', true);
  HWND replace = WaitForFindDialog(memo.Id());
  ASSERT_NE(nullptr, replace);
  ASSERT_NE(nullptr, GetDlgItem(replace, kReplaceWith)) << "Ctrl+R opened no replace dialog";
  SetControlText(replace, kFindWhat, "abc");
  SetControlText(replace, kReplaceWith, "Q");
  TakeShot("replace-dialog");
  Click(replace, kReplaceOne);
  for (int expected : {2, 0}) {
    PressButton(replace, kReplaceAll);
    HWND count = WaitForDialog(memo.Id(), "全置換");
    ASSERT_NE(nullptr, count) << "replace all reported nothing";
    EXPECT_EQ(std::to_string(expected) + " 個の文字列を置換しました。", DialogText(count));
    if (expected > 0) TakeShot("replace-all-count");
    PressButton(count, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return DialogsOf(memo.Id()).size() == 1; }));
  }
  Finish(memo, replace);
  EXPECT_EQ("xx Q yy Q zz Q", SavedText(keys, path_));
}
