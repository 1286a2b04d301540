// Memo windows telling each other about saves: a window showing a saved memo as an opened
// link redraws it, and busy memo windows hold up neither a save nor a start.
#include <memory>
#include <vector>

#include "HungWindow.h"
#include "KeyboardInput.h"
#include "MemoBuilder.h"
#include "MemoTest.h"
#include "SavedMemo.h"
#include "ScreenPixels.h"
#include "WindowQuery.h"

namespace {

// The view's pixels once two captures in a row agree (the window has finished painting).
ScreenPixels SettledImage(HWND view) {
  ScreenPixels last = ScreenPixels::OfClient(view);
  WaitUntil([&] {
    Sleep(100);
    ScreenPixels next = ScreenPixels::OfClient(view);
    bool same = next.Differences(last) == 0;
    last = next;
    return same;
  });
  return last;
}

}  // namespace

using SaveBroadcast = MemoTest;

TEST_F(SaveBroadcast, SavingALinkedMemoRedrawsTheWindowThatShowsIt) {
  const std::string target = Folder() + "target.kvm";
  const std::string linking = Folder() + "linking.kvm";
  ASSERT_TRUE(MemoBuilder().Text("リンク先の元の内容").Save(target));
  ASSERT_TRUE(MemoBuilder().Text("リンク元\n").Link(target, true).Save(linking));

  MemoProcess& shower = Launch(linking);
  ASSERT_TRUE(shower.WaitForWindow());
  Place(shower.Window(), 0, 0, 560, 420);
  MemoProcess& editor = Launch(target);
  ASSERT_TRUE(editor.WaitForWindow());
  Place(editor.Window(), 600, 0, 500, 400);
  KeyboardInput keys(editor.Window());
  ASSERT_TRUE(keys.Focus());

  HWND view = shower.View();
  ASSERT_NE(nullptr, view);
  ScreenPixels before = SettledImage(view);
  ASSERT_GT(before.InkPixels(), 100) << "the linking memo shows nothing";

  keys.Type("WWWWWWWW 書き換えました\n");
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  ASSERT_EQ("WWWWWWWW 書き換えました\r\nリンク先の元の内容", SavedMemo(target).Text());
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixels::OfClient(view).Differences(before) > 50; }))
      << "the window showing the saved memo as a link did not redraw it";
}

// Busy memo windows cost an exchange its time once, not once each: with this many, waiting
// on each in turn would outlast the wait for the window.
TEST_F(SaveBroadcast, BusyMemoWindowsHoldUpNeitherSaveNorStart) {
  const int kBusyWindows = 8;
  std::vector<std::unique_ptr<HungWindow>> busy;
  for (int i = 0; i < kBusyWindows; ++i) {
    busy.push_back(std::make_unique<HungWindow>());
    ASSERT_NE(nullptr, busy.back()->Window()) << "a busy helper window did not appear";
  }

  // A start with a path asks every memo window whether it shows that file.
  const std::string path = Folder() + "busy.kvm";
  ASSERT_TRUE(MemoBuilder().Text("保存").Save(path));
  MemoProcess& memo = Launch(path);
  ASSERT_TRUE(memo.WaitForWindow()) << "the start waited for the busy windows";

  // Save tells every memo window, the busy ones too; it must not wait on each.
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());
  keys.Type("h");
  ASSERT_TRUE(keys.Settle());
  Command(memo.Window(), kCmdSave);
  ASSERT_TRUE(keys.Settle()) << "the save did not return while memo windows are busy";
  EXPECT_EQ("h保存", SavedMemo(path).Text());
  EXPECT_TRUE(Answers(memo.Window()));
  for (const auto& window : busy) EXPECT_TRUE(window->StillHung());
}
