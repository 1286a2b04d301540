// The memo view's mouse with real input and the system's double-click time: double clicks
// on links and on text, a single click that takes effect when the time runs out, selecting
// by dragging (scrolling on the timer past the view's edge), the right button inside and
// outside the selection, resizing a link by its corner handle, and a resize that loses the mouse.
#include <cstdio>

#include "CommandTest.h"
#include "DialogControls.h"
#include "KVSegment.h"
#include "MemoBuilder.h"
#include "MemoLayout.h"
#include "MouseInput.h"
#include "ProcessWindows.h"
#include "ScreenPixels.h"
#include "Screenshots.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

POINT At(const MemoProcess& memo, POINT client) { return ScreenPoint(memo.View(), client); }

// Waits until the caret stands at the left edge of the item.
bool CaretAt(const MemoProcess& memo, const MemoItem& item) {
  return WaitUntil(
      [&] {
        const RECT caret = CaretRect(memo);
        return caret.left == item.rect.left && caret.bottom == item.rect.bottom;
      },
      5000);
}

}  // namespace

using Mouse = CommandTest;

TEST_F(Mouse, DoubleClickOpensALinkOnceOnTextItDoesNothingAndOneClickMovesTheCaretLater) {
  const std::string target = Folder() + "target.kvm";
  const std::string path = Folder() + "clicks.kvm";
  ASSERT_TRUE(MemoBuilder().Text("over there").Name("行き先").Save(target));
  ASSERT_TRUE(MemoBuilder().Text("go ").Link(target).Text("\nplain words").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoLayout layout(path, memo.View());
  const std::vector<MemoItem>& items = layout.Items();
  ASSERT_EQ(SEG_LINK, items[3].code);

  MouseInput::DoubleClick(At(memo, layout.Inside(3)));
  HWND opened = WaitForOtherMemoWindow(Started());
  ASSERT_NE(nullptr, opened) << "a double click on the link opened nothing";
  EXPECT_EQ("KVMemo - 行き先", WindowTitle(opened));
  EndProcessOf(opened);
  ASSERT_TRUE(keys.Focus());

  // The caret stands at the start. A double click on text leaves it there; one click moves
  // it, once the double-click time has run out.
  SelectFromStart(keys, 0);
  ASSERT_TRUE(keys.Settle());
  const size_t words = layout.IndexOf("words");
  MouseInput::DoubleClick(At(memo, layout.Inside(words, 0.2)));
  Sleep(2 * GetDoubleClickTime());
  keys.Type("X");
  const size_t plain = layout.IndexOf("plain");
  MouseInput::Click(At(memo, layout.Inside(plain + 1, 0.2)));
  ASSERT_TRUE(CaretAt(memo, items[plain + 1])) << "one click did not move the caret";
  keys.Type("Y");
  EXPECT_EQ("Xgo @\npYlain words", SavedText(keys, path));
}

TEST_F(Mouse, DragSelectsTextRightButtonKeepsTheSelectionInsideAndMovesTheCaretOutside) {
  const std::string path = Folder() + "right.kvm";
  ASSERT_TRUE(MemoBuilder().Text("one two three four").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoLayout layout(path, memo.View());
  const size_t two = layout.IndexOf("two");
  const size_t three = layout.IndexOf("three");
  auto copied = [&] {
    EmptyTheClipboard();
    keys.Press('B', true);
    keys.Settle();
    return ClipboardText();
  };

  // Pressed on "t" and released on the space after "two": the drag selects "two".
  MouseInput::Drag(At(memo, layout.Inside(two, 0.1)), At(memo, layout.Inside(two + 3, 0.1)));
  ASSERT_TRUE(keys.Settle());
  EXPECT_EQ("two", copied());

  // A right click inside the selection opens the context menu and keeps the selection.
  // (Wine loses the shared key states after a context menu; Focus attaches again.)
  MouseInput::Click(At(memo, layout.Inside(two + 1)), true);
  ASSERT_NE(nullptr, WaitForPopupMenu(memo.Id())) << "no context menu";
  TakeShot("context-menu");
  keys.Press(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return PopupMenuOf(memo.Id()) == nullptr; }));
  ASSERT_TRUE(keys.Focus());
  EXPECT_EQ("two", copied());

  // Outside it, the caret moves to the click before the menu opens.
  MouseInput::Click(At(memo, layout.Inside(three + 1, 0.2)), true);
  ASSERT_NE(nullptr, WaitForPopupMenu(memo.Id())) << "no context menu outside the selection";
  keys.Press(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return PopupMenuOf(memo.Id()) == nullptr; }));
  ASSERT_TRUE(keys.Focus());
  keys.Type("X");
  EXPECT_EQ("one two tXhree four", SavedText(keys, path));
}

TEST_F(Mouse, NoMenuWithTheLeftButtonHeldTheMenuKeyOpensItAtTheCaret) {
  const std::string path = Folder() + "keys.kvm";
  ASSERT_TRUE(MemoBuilder().Text("one two three four").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoLayout layout(path, memo.View());

  MouseInput::MoveTo(At(memo, layout.Inside(layout.IndexOf("four"))));
  MouseInput::Press();
  MouseInput::Press(true);
  MouseInput::Release(true);
  MouseInput::Release();
  ASSERT_TRUE(keys.Focus());  // as after a context menu, the key states need attaching again
  EXPECT_EQ(nullptr, PopupMenuOf(memo.Id())) << "a menu opened with the left button held";

  keys.Press(VK_END, true);
  keys.Press(VK_APPS);
  HWND menu = WaitForPopupMenu(memo.Id());
  ASSERT_NE(nullptr, menu) << "the menu key opened no menu";
  const RECT caret = CaretRect(memo);
  const POINT caretOnScreen = At(memo, {caret.left, caret.top});
  const RECT placed = ScreenRect(menu);
  EXPECT_LE(std::abs(placed.left - caretOnScreen.x), 4) << RectText(placed);
  EXPECT_LE(std::abs(placed.top - caretOnScreen.y), 24) << RectText(placed);
  keys.Press(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return PopupMenuOf(memo.Id()) == nullptr; }));
}

TEST_F(Mouse, CornerHandleResizesALinkNeverBelowItsMinimumAndTheSizeIsSaved) {
  const std::string target = Folder() + "inner.kvm";
  const std::string path = Folder() + "resize.kvm";
  ASSERT_TRUE(MemoBuilder().Text("inside the link").Save(target));
  ASSERT_TRUE(MemoBuilder().Text("before ").Link(target, true).Text(" after").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoLayout layout(path, memo.View());
  const size_t link = layout.IndexOf("@");
  const RECT r = layout.Items()[link].rect;

  // The bottom-right handle dragged up-left and released: the link takes that size.
  const POINT corner = {r.right - 2, r.bottom - 2};
  const POINT release = {r.right - 90, r.bottom - 30};
  MouseInput::Drag(At(memo, corner), At(memo, release));
  EXPECT_EQ("before @ after", SavedText(keys, path));
  MemoLayout resized(path);
  ASSERT_EQ(1u, resized.Links().size());
  const RECT got = resized.Links()[0].rect;
  EXPECT_EQ(release.x - r.left, got.right - got.left);
  EXPECT_EQ(release.y - r.top, got.bottom - got.top);

  // Dragged far beyond its top-left corner it keeps its minimum size.
  MouseInput::Drag(At(memo, {release.x - 2, release.y - 2}), At(memo, {r.left - 40, r.top - 40}));
  EXPECT_EQ("before @ after", SavedText(keys, path));
  MemoLayout smallest(path);
  ASSERT_EQ(1u, smallest.Links().size());
  const MemoItem& item = smallest.Links()[0];
  EXPECT_EQ(item.minSize.cx, item.rect.right - item.rect.left);
  EXPECT_EQ(item.minSize.cy, item.rect.bottom - item.rect.top);
}

// Another window taking the mouse mid-resize (a menu, a switch to another program) ends the
// drag: the rubber band goes and the release resizes nothing.
TEST_F(Mouse, AResizeThatLosesTheMouseEndsWithoutEffect) {
  const std::string target = Folder() + "inner.kvm";
  const std::string path = Folder() + "lost.kvm";
  ASSERT_TRUE(MemoBuilder().Text("inside the link").Save(target));
  ASSERT_TRUE(MemoBuilder().Text("before ").Link(target, true).Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  const MemoLayout layout(path, memo.View());
  const RECT r = layout.Links().at(0).rect;
  const ScreenPixels before = ScreenPixels::OfClient(memo.View());

  MouseInput::MoveTo(At(memo, {r.right - 2, r.bottom - 2}));
  MouseInput::Press();
  MouseInput::Glide(At(memo, {r.right - 60, r.bottom - 20}));
  ASSERT_TRUE(WaitUntil([&] {
    return ScreenPixels::OfClient(memo.View()).Differences(before) > 20;
  })) << "no rubber band";
  SendMessageA(memo.View(), WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(GetDesktopWindow()));
  MouseInput::Glide(At(memo, {r.right - 80, r.bottom - 30}));
  MouseInput::Release();
  Sleep(200);
  const ScreenPixels released = ScreenPixels::OfClient(memo.View());
  InvalidateRect(memo.View(), nullptr, FALSE);
  EXPECT_TRUE(WaitUntil([&] {
    Sleep(100);
    return ScreenPixels::OfClient(memo.View()).Differences(released) == 0;
  })) << "a repaint took away a rubber band that had stayed";
  SavedText(Keys(), path);
  const RECT kept = MemoLayout(path).Links().at(0).rect;
  EXPECT_EQ(r.right - r.left, kept.right - kept.left);
  EXPECT_EQ(r.bottom - r.top, kept.bottom - kept.top);
}

TEST_F(Mouse, DragPastTheBottomScrollsOnTheTimerAndTheSelectionFollows) {
  SetSetting("Option", "AutoScrollTimer", 50);
  std::string text;
  for (int line = 0; line < 80; ++line) {
    char number[16];
    std::snprintf(number, sizeof number, "line %02d\n", line);
    text += number;
  }
  const std::string path = Folder() + "long.kvm";
  ASSERT_TRUE(MemoBuilder().Text(text).Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoLayout layout(path, memo.View());
  RECT client = {};
  GetClientRect(memo.View(), &client);
  const size_t below = layout.IndexOf("line 40");
  ASSERT_GT(layout.Items()[below].rect.top, client.bottom) << "the memo fits in the view";

  // Pressed at the start and held below the view: the view scrolls line by line.
  const ScreenPixels before = ScreenPixels::OfClient(memo.View());
  MouseInput::MoveTo(At(memo, layout.Inside(0, 0.1)));
  MouseInput::Press();
  MouseInput::Glide(At(memo, {40, client.bottom + 20}));
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixels::OfClient(memo.View()).Differences(before) > 0; }))
      << "the view did not scroll";
  Sleep(30 * 50);  // some thirty ticks of the timer
  MouseInput::Glide(At(memo, {48, client.bottom + 20}), 2);
  MouseInput::Release();
  ASSERT_TRUE(keys.Settle());

  // The selection runs from the start to lines that were below the view.
  EmptyTheClipboard();
  keys.Press('B', true);
  ASSERT_TRUE(keys.Settle());
  const std::string selected = ClipboardText();
  EXPECT_EQ(0u, selected.find("line 00")) << selected;
  EXPECT_NE(std::string::npos, selected.find("line 40")) << selected;
}
