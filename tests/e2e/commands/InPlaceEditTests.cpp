// Editing a linked memo where it stands: a press in its content area, typing, a colour,
// undo, redo and Ctrl+S, which writes the linked memo's own file and tells the other windows; two
// levels deep through Tab; a memo that is the same file as one above it is not entered.
#include <fstream>
#include <sstream>

#include "CommandTest.h"
#include "DialogControls.h"
#include "MemoBuilder.h"
#include "MemoLayout.h"
#include "MouseInput.h"
#include "PromptBox.h"
#include "SavedMemo.h"
#include "ScreenPixels.h"
#include "Screenshots.h"
#include "WindowQuery.h"

namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A point in the content area of the memo a link opened in place, below its caption.
POINT InsideOpenedLink(const MemoItem& link, int fromTop) {
  return {link.rect.left + 40, link.rect.top + fromTop};
}

bool CaretInside(const MemoProcess& memo, const RECT& area) {
  const RECT caret = CaretRect(memo);
  return caret.bottom > caret.top && caret.left >= area.left && caret.right <= area.right &&
         caret.top >= area.top && caret.bottom <= area.bottom;
}

}  // namespace

class InPlaceEditing : public CommandTest {
 protected:
  // Presses in the view and waits until the click has taken effect (the caret is inside).
  void ClickInto(const MemoProcess& memo, POINT client, const RECT& area) {
    MouseInput::Click(ScreenPoint(memo.View(), client));
    EXPECT_TRUE(WaitUntil([&] { return CaretInside(memo, area); }))
        << "the caret did not go into the memo opened in place";
  }
};

TEST_F(InPlaceEditing, TypingColourAndUndoGoToTheLinkedMemoWhichCtrlSSavesToItsOwnFile) {
  const std::string target = Folder() + "target.kvm";
  const std::string linking = Folder() + "linking.kvm";
  const std::string watching = Folder() + "watching.kvm";
  ASSERT_TRUE(MemoBuilder().Text("linked text").Save(target));
  ASSERT_TRUE(MemoBuilder().Text("top\n").Link(target, true).Save(linking));
  ASSERT_TRUE(MemoBuilder().Text("watch\n").Link(target, true).Save(watching));
  const std::string targetBefore = MemoLayout(target).Text();

  // Another window shows the target opened in place; it must redraw after the save.
  MemoProcess& watcher = Launch(watching);
  ASSERT_TRUE(watcher.WaitForWindow());
  Place(watcher.Window(), 700, 0, 320, 300);
  ScreenPixels watchedBefore = ScreenPixels::OfClient(watcher.View());
  ASSERT_TRUE(WaitUntil([&] {
    Sleep(100);
    ScreenPixels next = ScreenPixels::OfClient(watcher.View());
    const bool settled = next.InkPixels() > 100 && next.Differences(watchedBefore) == 0;
    watchedBefore = next;
    return settled;
  })) << "the watching memo shows nothing";

  MemoProcess& memo = OpenWithKeys(linking);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoItem link = MemoLayout(linking, memo.View()).Links().at(0);
  ClickInto(memo, InsideOpenedLink(link, 3 * (link.minSize.cy)), link.rect);
  EXPECT_TRUE(WaitUntil([&] { return StatusText(memo.Window()) == "編集中: " + target; }))
      << StatusText(memo.Window());

  keys.Press(VK_HOME, true);
  keys.Type("ABC日本");
  keys.Press(VK_LEFT, false, true);
  keys.Press(VK_LEFT, false, true);
  ASSERT_TRUE(ColourWithFirstBasicColour(memo, keys)) << "no colour dialog, or it stayed";
  keys.Press(VK_END, true);
  keys.Type("Q");
  keys.Press('Z', true);
  keys.Press('Z', true);  // the colour goes too, and Ctrl+Y brings it back
  keys.Press('Y', true);
  TakeShot("inplace-editing");
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());

  SavedMemo saved(target);
  ASSERT_TRUE(saved.Loaded());
  EXPECT_EQ("ABC日本linked text", saved.Text());
  const std::vector<StyledChar> chars = saved.Chars();
  ASSERT_EQ(CodesOf("ABC日本linked text").size(), chars.size());
  EXPECT_EQ(RGB(0, 0, 0), chars[2].color);
  EXPECT_EQ(RGB(255, 128, 128), chars[3].color);
  EXPECT_EQ(RGB(255, 128, 128), chars[4].color);
  EXPECT_EQ(RGB(0, 0, 0), chars[5].color);
  EXPECT_EQ("top\n@", MemoLayout(linking).Text()) << "the linking memo took the typing";
  EXPECT_NE(targetBefore, MemoLayout(target).Text());
  EXPECT_TRUE(WaitUntil([&] {
    return ScreenPixels::OfClient(watcher.View()).Differences(watchedBefore) > 30;
  })) << "the other window showing the linked memo did not read it again";

  // Everything is saved: the window closes without asking.
  Close(memo.Window());
  EXPECT_TRUE(memo.WaitForExit()) << "a saved memo asked on close";
}

TEST_F(InPlaceEditing, TwoLevelsDeepByTabAndNoEditingInsideTheSameFile) {
  const std::string deep = Folder() + "deep.kvm";
  const std::string middle = Folder() + "middle.kvm";
  const std::string top = Folder() + "top.kvm";
  ASSERT_TRUE(MemoBuilder().Text("deep text").Save(deep));
  ASSERT_TRUE(MemoBuilder().Text("M\n").Link(deep, true).Save(middle));
  ASSERT_TRUE(MemoBuilder().Text("T").Save(top));
  ASSERT_TRUE(MemoBuilder().Text("T\n").Link(middle, true).Text("\n").Link(top, true).Save(top));
  const std::string middleBytes = FileBytes(middle);

  MemoProcess& memo = OpenWithKeys(top);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const std::vector<MemoItem> links = MemoLayout(top, memo.View()).Links();
  ASSERT_EQ(2u, links.size());

  // Into the middle memo by a press, onto its link with the keys, into the deep one by Tab.
  ClickInto(memo, InsideOpenedLink(links[0], links[0].minSize.cy + 6), links[0].rect);
  keys.Press(VK_END, true);
  keys.Press(VK_LEFT);
  keys.Press(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return StatusText(memo.Window()) == "編集中: " + deep; }))
      << StatusText(memo.Window());
  keys.Press(VK_HOME, true);
  keys.Type("2階");
  ASSERT_TRUE(keys.Settle());
  TakeShot("inplace-two-levels");

  // Shift+Tab and Esc climb back to the top memo.
  keys.Press(VK_TAB, false, true);
  EXPECT_TRUE(WaitUntil([&] { return StatusText(memo.Window()) == "編集中: " + middle; }));
  keys.Press(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return StatusText(memo.Window()) == "ﾚﾃﾞｨ"; }));

  // The link to the memo itself is shown but its slot is not entered.
  MouseInput::Click(ScreenPoint(memo.View(), InsideOpenedLink(links[1], links[1].minSize.cy + 10)));
  EXPECT_TRUE(WaitUntil([&] {
    return StatusText(memo.Window()) ==
           "このメモは上位のメモと同じファイルなので、ここでは編集できません";
  })) << StatusText(memo.Window());

  // Another program wrote the deep memo meanwhile: Ctrl+S asks before writing over it.
  ASSERT_TRUE(MemoBuilder().Text("外で書いた").Save(deep));
  keys.Press('S', true);
  PromptBox overwrite(memo.Window());
  ASSERT_TRUE(overwrite.Found()) << "the save went over the changed file without asking";
  EXPECT_TRUE(overwrite.Answer(IDYES));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  EXPECT_EQ("2階deep text", SavedMemo(deep).Text());
  EXPECT_EQ(middleBytes, FileBytes(middle)) << "the unchanged middle memo was written";
  EXPECT_EQ("T\n@\n@", MemoLayout(top).Text());

  // Closing a link whose memo has unsaved edits writes them to that memo's file first.
  keys.Press(VK_HOME, true);
  keys.Press(VK_DOWN);
  keys.Press(VK_TAB);
  keys.Press(VK_HOME, true);
  keys.Type("N");
  keys.Press(VK_ESCAPE);
  ASSERT_TRUE(keys.Settle());
  Command(memo.Window(), ID_LINK_CLOSE);
  EXPECT_TRUE(WaitUntil([&] { return MemoLayout(middle).Text() == "NM\n@"; }))
      << MemoLayout(middle).Text();
}
