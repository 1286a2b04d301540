// The link commands: files made from the selection with and without a link back (in
// data-folder mode, where new memos are named by the folder's counter), the self link, a
// link expanded, run and asked for its properties, paths turned into links, links opened
// and closed in place, inserted through the file dialog and refreshed.
#include <cstdio>

#include "ClientImage.h"
#include "CommandTest.h"
#include "MemoFixture.h"
#include "MemoLayout.h"
#include "ProcessWindows.h"
#include "Screenshots.h"
#include "TestFiles.h"
#include "WindowQuery.h"

namespace {

bool SamePath(const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) == 0; }

std::vector<std::string> LinkTargets(const std::string& memoPath) {
  std::vector<std::string> targets;
  for (const MemoItem& link : MemoLayout(memoPath).Links()) targets.push_back(link.linkPath);
  return targets;
}

bool AnyMemoFileIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.kvm").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

}  // namespace

using LinkCommands = CommandTest;

TEST_F(LinkCommands, MakeFileAndMutualLinkInDataFolderModeThenSelfLinkExpandRunAndProperties) {
  SetSetting("Option", "UseFileSaveDialog", 0);
  SetSetting("Option", "UseDataFolderDialog", 0);

  // A memo that has never been saved has no file to link to: Ctrl+K and Ctrl+I do nothing.
  {
    MemoProcess& untitled = OpenMemo();
    ASSERT_TRUE(untitled.Window());
    KeyboardInput keys(untitled.Window());
    ASSERT_TRUE(keys.Focus());
    keys.Type("abc");
    keys.Press('A', true);
    keys.Press('K', true);
    keys.Press('I', true);
    ASSERT_TRUE(keys.Settle());
    EXPECT_TRUE(DialogsOf(untitled.Id()).empty());
    EXPECT_FALSE(AnyMemoFileIn(DataFolder())) << "Ctrl+K in an untitled memo made a file";
    Close(untitled.Window());
    HWND prompt = WaitForDialog(untitled.Id(), "KVMemo");
    ASSERT_NE(nullptr, prompt);
    PressButton(prompt, IDNO);
    ASSERT_TRUE(untitled.WaitForExit());
  }

  const std::string home = Folder() + "home.kvm";
  const std::string first = DataFolder() + "00000000.kvm";
  const std::string second = DataFolder() + "00000001.kvm";
  ASSERT_TRUE(MemoFixture().Text("Plan: A/B\nbody\nrest").Save(home));
  MemoProcess& memo = OpenMemo(home);
  ASSERT_TRUE(memo.Window());
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());

  // Ctrl+K takes the first two lines into the first numbered memo, which links back; Ctrl+L
  // takes the last line into the next one, with no link back; Ctrl+I links this memo.
  keys.Press(VK_END, true);
  keys.Press(VK_HOME, true);
  keys.Press(VK_DOWN, false, true);
  keys.Press(VK_DOWN, false, true);
  keys.Press('K', true);
  keys.Press(VK_END, false, true);
  keys.Press('L', true);
  keys.Press('I', true);
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  EXPECT_EQ("@@@", MemoLayout(home).Text());
  std::vector<std::string> targets = LinkTargets(home);
  ASSERT_EQ(3u, targets.size());
  EXPECT_TRUE(SamePath(first, targets[0])) << targets[0];
  EXPECT_TRUE(SamePath(second, targets[1])) << targets[1];
  EXPECT_TRUE(SamePath(home, targets[2])) << targets[2];
  MemoLayout made(first);
  ASSERT_TRUE(made.Loaded()) << first;
  EXPECT_EQ("Plan: A/B\nbody\n@", made.Text());
  EXPECT_EQ("Plan: A/B", made.Name());
  ASSERT_EQ(1u, made.Links().size());
  EXPECT_TRUE(SamePath(home, made.Links()[0].linkPath)) << made.Links()[0].linkPath;
  MemoLayout plain(second);
  EXPECT_EQ("rest", plain.Text());
  EXPECT_TRUE(plain.Links().empty());

  // Ctrl+W on the first link puts that memo's content, its link back included, in its place.
  keys.Press(VK_END, true);
  keys.Press(VK_HOME, true);
  keys.Press(VK_RIGHT, false, true);
  keys.Press('W', true);
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  EXPECT_EQ("Plan: A/B\nbody\n@@@", MemoLayout(home).Text());
  targets = LinkTargets(home);
  ASSERT_EQ(3u, targets.size());
  EXPECT_TRUE(SamePath(home, targets[0])) << targets[0];

  // With the caret before the second link and nothing selected: Ctrl+Enter opens its memo
  // in a memo window of its own; Alt+Enter opens the link's property dialog.
  keys.Press(VK_END, true);
  keys.Press(VK_LEFT);
  keys.Press(VK_LEFT);
  keys.Press(VK_RETURN, true);
  HWND opened = WaitForOtherMemoWindow(Started());
  ASSERT_NE(nullptr, opened) << "Ctrl+Enter opened no memo window";
  EXPECT_EQ("KVMemo - rest", WindowTitle(opened));
  EndProcessOf(opened);
  ASSERT_TRUE(keys.Focus());
  PressAlt(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); }))
      << "Alt+Enter on a link opened no property dialog";
  TakeShot("link-properties");
  PressButton(DialogsOf(memo.Id())[0], IDCANCEL);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
}

TEST_F(LinkCommands, PathToLinkOpenAndCloseInPlaceInsertRefreshAndOpenThroughTheMenus) {
  const std::string target = Folder() + "target.kvm";
  const std::string memoPath = Folder() + "paths.kvm";
  ASSERT_TRUE(MemoFixture().Text("target text").Name("的").Save(target));
  ASSERT_TRUE(MemoFixture().Text("see " + target + "\nend").Save(memoPath));
  MemoProcess& memo = OpenMemo(memoPath);
  ASSERT_TRUE(memo.Window());
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());

  // Ctrl+M on the selected path makes it a link; with the link selected, the link menu
  // opens it in place (taller, showing the target) and closes it again.
  keys.Press(VK_END, true);
  keys.Press(VK_HOME, true);
  for (int i = 0; i < 4; ++i) keys.Press(VK_RIGHT);
  keys.Press(VK_END, false, true);
  keys.Press('M', true);
  keys.Press(VK_LEFT, false, true);
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  MemoLayout closed(memoPath);
  EXPECT_EQ("see @\nend", closed.Text());
  ASSERT_EQ(1u, closed.Links().size());
  EXPECT_TRUE(SamePath(target, closed.Links()[0].linkPath)) << closed.Links()[0].linkPath;
  const LONG closedHeight = closed.Links()[0].rect.bottom - closed.Links()[0].rect.top;

  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'L'));
  keys.Press('O');
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  MemoLayout open(memoPath);
  ASSERT_EQ(1u, open.Links().size());
  EXPECT_GT(open.Links()[0].rect.bottom - open.Links()[0].rect.top, closedHeight)
      << "the link did not open in place";

  // The link shows its file as it is; refresh reads it again.
  const ClientImage before = ClientImage::Capture(memo.View());
  ASSERT_TRUE(MemoFixture().Text("changed target text, longer than before").Name("的").Save(target));
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'V'));
  keys.Press('F');
  ASSERT_TRUE(keys.Settle());
  EXPECT_TRUE(WaitUntil([&] { return ClientImage::Capture(memo.View()).Differences(before) > 0; }))
      << "refresh did not show the changed file";

  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'L'));
  keys.Press('C');
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  MemoLayout reclosed(memoPath);
  ASSERT_EQ(1u, reclosed.Links().size());
  EXPECT_EQ(closedHeight, reclosed.Links()[0].rect.bottom - reclosed.Links()[0].rect.top);

  // Insert > Link asks for any file and links it at the caret (the end).
  keys.Press(VK_END, true);
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'I'));
  keys.Press('L');
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no file dialog";
  TakeShot("insert-link-dialog");
  AnswerFileDialog(DialogsOf(memo.Id())[0], target);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  EXPECT_EQ("see @\nend@", MemoLayout(memoPath).Text());
  std::vector<std::string> targets = LinkTargets(memoPath);
  ASSERT_EQ(2u, targets.size());
  EXPECT_TRUE(SamePath(target, targets[1])) << targets[1];

  // Ctrl+O opens the chosen memo through the shell, in a process of its own.
  keys.Press('O', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no open dialog";
  AnswerFileDialog(DialogsOf(memo.Id())[0], target);
  HWND opened = WaitForOtherMemoWindow(Started());
  ASSERT_NE(nullptr, opened) << "Ctrl+O opened no memo window";
  EXPECT_EQ("KVMemo - 的", WindowTitle(opened));
}
