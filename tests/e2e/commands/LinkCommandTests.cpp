// The link commands: files made from the selection with and without a link back (in
// data-folder mode, where new memos are named by the folder's counter), the self link, a
// link expanded, run and asked for its properties, paths turned into links, links opened
// and closed in place, inserted through the file dialog and refreshed.
#include "CommandTest.h"
#include "DialogControls.h"
#include "MemoBuilder.h"
#include "MemoLayout.h"
#include "ProcessWindows.h"
#include "ScreenPixels.h"
#include "Screenshots.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

bool SamePath(const std::string& a, const std::string& b) {
  return _stricmp(a.c_str(), b.c_str()) == 0;
}

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

TEST_F(LinkCommands, MemoWithoutFileHasNothingToLinkBackOrToItself) {
  SetSetting("Option", "UseFileSaveDialog", 0);
  SetSetting("Option", "UseDataFolderDialog", 0);
  MemoProcess& untitled = OpenWithKeys();
  ASSERT_TRUE(untitled.Window());
  KeyboardInput& keys = Keys();
  keys.Type("abc");
  keys.Press('A', true);
  keys.Press('K', true);
  keys.Press('I', true);
  ASSERT_TRUE(keys.Settle());
  EXPECT_TRUE(DialogsOf(untitled.Id()).empty());
  EXPECT_FALSE(AnyMemoFileIn(DataFolder())) << "Ctrl+K in an untitled memo made a file";
  EXPECT_EQ("abc", ShownText(keys));
}

TEST_F(LinkCommands, MutualLinkAndLinkMakeNumberedMemosInDataFolderModeSelfLinkLinksHere) {
  SetSetting("Option", "UseFileSaveDialog", 0);
  SetSetting("Option", "UseDataFolderDialog", 0);
  const std::string home = Folder() + "home.kvm";
  const std::string first = DataFolder() + "00000000.kvm";
  const std::string second = DataFolder() + "00000001.kvm";
  ASSERT_TRUE(MemoBuilder().Text("Plan: A/B\nbody\nrest").Save(home));
  ASSERT_TRUE(OpenWithKeys(home).Window());
  KeyboardInput& keys = Keys();

  // Ctrl+K takes the first two lines into the first numbered memo, which links back; Ctrl+L
  // takes the last line into the next one, with no link back; Ctrl+I links this memo.
  SelectFromStart(keys, 0);
  keys.Press(VK_DOWN, false, true);
  keys.Press(VK_DOWN, false, true);
  keys.Press('K', true);
  keys.Press(VK_END, false, true);
  keys.Press('L', true);
  keys.Press('I', true);
  EXPECT_EQ("@@@", SavedText(keys, home));
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
}

TEST_F(LinkCommands, LinkIsExpandedRunAndAskedForItsProperties) {
  const std::string home = Folder() + "home.kvm";
  const std::string inner = Folder() + "inner.kvm";
  const std::string other = Folder() + "other.kvm";
  ASSERT_TRUE(MemoBuilder().Text("inner\n").Link(other).Save(inner));
  ASSERT_TRUE(MemoBuilder().Text("other").Name("向こう").Save(other));
  ASSERT_TRUE(MemoBuilder().Link(inner).Text(" and ").Link(other).Save(home));
  MemoProcess& memo = OpenWithKeys(home);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // Ctrl+W on the selected first link puts that memo's content, its link included, there.
  SelectFromStart(keys, 1);
  keys.Press('W', true);
  EXPECT_EQ("inner\n@ and @", SavedText(keys, home));
  const std::vector<std::string> targets = LinkTargets(home);
  ASSERT_EQ(2u, targets.size());
  EXPECT_TRUE(SamePath(other, targets[0])) << targets[0];

  // The caret before the last link, nothing selected: Ctrl+Enter opens its memo in a window
  // of its own; Alt+Enter opens the link's property dialog.
  keys.Press(VK_END, true);
  keys.Press(VK_LEFT);
  keys.Press(VK_RETURN, true);
  HWND opened = WaitForOtherMemoWindow(Started());
  ASSERT_NE(nullptr, opened) << "Ctrl+Enter opened no memo window";
  EXPECT_EQ("KVMemo - 向こう", WindowTitle(opened));
  EndProcessOf(opened);
  ASSERT_TRUE(keys.Focus());
  PressAlt(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); }))
      << "Alt+Enter on a link opened no property dialog";
  TakeShot("link-properties");
  PressButton(DialogsOf(memo.Id())[0], IDCANCEL);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
}

TEST_F(LinkCommands, SelectedPathBecomesALinkThatTheLinkMenuOpensAndClosesInPlace) {
  const std::string target = Folder() + "target.kvm";
  const std::string memoPath = Folder() + "paths.kvm";
  ASSERT_TRUE(MemoBuilder().Text("target text").Save(target));
  ASSERT_TRUE(MemoBuilder().Text("see " + target + "\nend").Save(memoPath));
  MemoProcess& memo = OpenWithKeys(memoPath);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  auto linkHeight = [&] {
    const std::vector<MemoItem> links = MemoLayout(memoPath).Links();
    return links.size() == 1 ? links[0].rect.bottom - links[0].rect.top : -1;
  };

  // Ctrl+M on the selected path; then, with the link selected, open and close in place.
  SelectFromStart(keys, 0);
  for (int i = 0; i < 4; ++i) keys.Press(VK_RIGHT);
  keys.Press(VK_END, false, true);
  keys.Press('M', true);
  keys.Press(VK_LEFT, false, true);
  EXPECT_EQ("see @\nend", SavedText(keys, memoPath));
  const std::vector<std::string> targets = LinkTargets(memoPath);
  ASSERT_EQ(1u, targets.size());
  EXPECT_TRUE(SamePath(target, targets[0])) << targets[0];
  const LONG closedHeight = linkHeight();

  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'L'));
  keys.Press('O');
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  EXPECT_GT(linkHeight(), closedHeight) << "the link did not open in place";
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'L'));
  keys.Press('C');
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  EXPECT_EQ(closedHeight, linkHeight());
}

TEST_F(LinkCommands, RefreshShowsTheChangedFileInsertLinkAndOpenGoThroughDialogs) {
  const std::string target = Folder() + "target.kvm";
  const std::string memoPath = Folder() + "paths.kvm";
  ASSERT_TRUE(MemoBuilder().Text("target text").Name("的").Save(target));
  ASSERT_TRUE(MemoBuilder().Text("open: ").Link(target, true).Save(memoPath));
  MemoProcess& memo = OpenWithKeys(memoPath);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // The open link shows its file as it was read; View > refresh reads it again.
  const ScreenPixels before = ScreenPixels::OfClient(memo.View());
  ASSERT_TRUE(MemoBuilder().Text("changed target, longer than before").Name("的").Save(target));
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'V'));
  keys.Press('F');
  ASSERT_TRUE(keys.Settle());
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixels::OfClient(memo.View()).Differences(before) > 0; }))
      << "refresh did not show the changed file";

  // Insert > link asks for any file and links it at the caret (the end).
  keys.Press(VK_END, true);
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'I'));
  keys.Press('L');
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no file dialog";
  TakeShot("insert-link-dialog");
  AnswerFileDialog(DialogsOf(memo.Id())[0], target);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  EXPECT_EQ("open: @@", SavedText(keys, memoPath));
  const std::vector<std::string> targets = LinkTargets(memoPath);
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

TEST_F(LinkCommands, PathTooLongToBeAPathIsRefusedWithTheErrorAndKeptAsText) {
  const std::string path = Folder() + "long.kvm";
  const std::string longText(300, 'x');
  ASSERT_TRUE(MemoBuilder().Text(longText).Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  keys.Press('A', true);
  keys.Press('M', true);
  HWND error = WaitForDialog(memo.Id(), "KVMemo");
  ASSERT_NE(nullptr, error) << "no error for a 300-byte path";
  EXPECT_EQ("選択されている文字列が長過ぎます", DialogText(error));
  PressButton(error, IDOK);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  EXPECT_EQ(longText, SavedText(keys, path));
}
