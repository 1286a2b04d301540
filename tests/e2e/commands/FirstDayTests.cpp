// A first day with the editor: windows named after their files and cascading from their
// opener, the replace dialog starting with the selection and stepping off the match, the
// save dialog in the data folder, and a moved window that closes without a question.
#include "CommandTest.h"
#include "DialogControls.h"
#include "MemoBuilder.h"
#include "MemoLayout.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

const int kFindWhat = 1152;

}  // namespace

using FirstDay = CommandTest;

TEST_F(FirstDay, WindowsSayWhatTheyHoldAndDialogsStayOutOfTheWay) {
  const std::string path = Folder() + "買い物.kvm";
  ASSERT_TRUE(MemoBuilder().Text("牛乳 卵\n牛乳").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  EXPECT_EQ("KVMemo - 買い物.kvm", memo.Title());

  // Replace starts with the selected text; put over the next match, the dialog steps aside.
  SelectFromStart(Keys(), 2);
  Keys().Press('R', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no replace dialog";
  HWND replace = DialogsOf(memo.Id())[0];
  EXPECT_EQ("牛乳", ControlText(replace, kFindWhat));
  POINT text = {0, 0};
  ClientToScreen(memo.View(), &text);
  SetWindowPos(replace, nullptr, text.x - 10, text.y - 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PressButton(replace, IDOK);
  const POINT secondMatch = {text.x + 20, text.y + 30};
  EXPECT_TRUE(WaitUntil([&] {
    const RECT dialog = ScreenRect(replace);
    return !PtInRect(&dialog, secondMatch);
  })) << "the dialog hides the match it found";
  PressButton(replace, IDCANCEL);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));

  // A new memo cascades one caption height below and right of the window that opened it.
  ASSERT_TRUE(ReturnTo(Keys(), memo.Window()));
  Keys().Press('N', true);
  HWND fresh = WaitForOtherMemoWindow(Started());
  ASSERT_NE(nullptr, fresh) << "Ctrl+N opened no memo window";
  EXPECT_EQ(kUntitledTitle, WindowTitle(fresh));
  const int step = GetSystemMetrics(SM_CYCAPTION);
  EXPECT_EQ(kMemoPlace.left + step, ScreenRect(fresh).left);
  EXPECT_EQ(kMemoPlace.top + step, ScreenRect(fresh).top);

  // Its save dialog starts in the data folder, and the title follows the name saved.
  DropKeys();
  KeyboardInput keys(fresh);
  ASSERT_TRUE(keys.Focus());
  keys.Type("x");
  keys.Press('S', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(ProcessOf(fresh)).empty(); })) << "no dialog";
  AnswerFileDialog(DialogsOf(ProcessOf(fresh))[0], "新しい.kvm");
  const std::string saved = DataFolder() + "新しい.kvm";
  EXPECT_TRUE(WaitUntil([&] { return MemoLayout(saved).Loaded(); })) << "not in the data folder";
  EXPECT_TRUE(WaitUntil([&] { return WindowTitle(fresh) == "KVMemo - 新しい.kvm"; }))
      << WindowTitle(fresh);

  // Moving a window alone is no change: it closes without asking.
  Place(fresh, 300, 200, 400, 300);
  Close(fresh);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(fresh); })) << "a moved memo asked to be saved";
}
