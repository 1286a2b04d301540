// Drag and drop with real mouse input: the selection moved inside its memo (and dropped on
// itself, which changes nothing), dragged out to another program as text with Ctrl and as
// memo data without; files, text and addresses dragged in from another program, taken in
// the view's order of formats.
#include "CommandTest.h"
#include "DialogControls.h"
#include "DriverDragSource.h"
#include "DriverDropTarget.h"
#include "MemoBuilder.h"
#include "MemoLayout.h"
#include "MouseInput.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

POINT At(const MemoProcess& memo, POINT client) { return ScreenPoint(memo.View(), client); }

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Right of the memo window: where the other program's window stands.
const RECT kOtherProgram = {kMemoPlace.right + 40, kMemoPlace.top, kMemoPlace.right + 300,
                            kMemoPlace.top + 200};

}  // namespace

using DragAndDrop = CommandTest;

TEST_F(DragAndDrop, SelectionDraggedInsideItsMemoMovesAndOneUndoPutsItBack) {
  const std::string path = Folder() + "move.kvm";
  ASSERT_TRUE(MemoBuilder().Text("AAAA BBBB CCCC").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoLayout layout(path, memo.View());
  const size_t c = layout.IndexOf("CCCC");

  // Dropped on itself the selection stays where it is.
  SelectFromStart(keys, 4);
  ASSERT_TRUE(keys.Settle());
  MouseInput::Drag(At(memo, layout.Inside(0)), At(memo, layout.Inside(3)));
  ASSERT_TRUE(keys.Focus());
  EXPECT_EQ("AAAA BBBB CCCC", ShownText(keys));

  // Dropped before "CCCC" it moves there; one Undo takes back the whole move.
  SelectFromStart(keys, 4);
  ASSERT_TRUE(keys.Settle());
  MouseInput::Drag(At(memo, layout.Inside(1)), At(memo, layout.Inside(c, 0.1)));
  ASSERT_TRUE(keys.Focus());
  EXPECT_EQ(" BBBB AAAACCCC", ShownText(keys));
  keys.Press('Z', true);
  EXPECT_EQ("AAAA BBBB CCCC", ShownText(keys));
}

TEST_F(DragAndDrop, HeldStillInsideTheSelectionTheDragStartsWhenTheClickTimeRunsOut) {
  const std::string path = Folder() + "held.kvm";
  ASSERT_TRUE(MemoBuilder().Text("AAAA BBBB CCCC").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoLayout layout(path, memo.View());
  auto copied = [&] {
    EmptyTheClipboard();
    keys.Press('B', true);
    keys.Settle();
    return ClipboardText();
  };
  SelectFromStart(keys, 4);
  ASSERT_TRUE(keys.Settle());

  // Held still past the double-click time the drag begins, and released there it ends on
  // the selection itself: nothing changes and the selection stays.
  MouseInput::MoveTo(At(memo, layout.Inside(1)));
  MouseInput::Press();
  Sleep(2 * GetDoubleClickTime());
  MouseInput::Release();
  ASSERT_TRUE(keys.Focus());
  EXPECT_EQ("AAAA", copied());

  // A click there instead is a single click once that time has run out: the caret moves
  // there and the selection is gone.
  MouseInput::Click(At(memo, layout.Inside(1)));
  ASSERT_TRUE(WaitUntil([&] { return CaretRect(memo).left == layout.Items()[1].rect.left; }));
  EXPECT_EQ("", copied());
  EXPECT_EQ("AAAA BBBB CCCC", SavedText(keys, path));
}

TEST_F(DragAndDrop, CtrlDragGivesAnotherProgramTextAndAPlainDragMovesMemoDataOut) {
  const std::string path = Folder() + "out.kvm";
  ASSERT_TRUE(MemoBuilder().Text("copy me please").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  const MemoLayout layout(path, memo.View());

  // Ctrl held from the press: plain text, copied; the memo keeps it.
  {
    DriverDropTarget other(kOtherProgram);
    ASSERT_NE(nullptr, other.Window());
    SelectFromStart(keys, 7);
    ASSERT_TRUE(keys.Settle());
    MouseInput::Drag(At(memo, layout.Inside(2)), Centre(kOtherProgram), 8, VK_CONTROL);
    ASSERT_TRUE(other.WaitForDrop()) << "nothing was dropped on the other program";
    const DroppedData dropped = other.Dropped();
    EXPECT_TRUE(dropped.offeredText);
    EXPECT_FALSE(dropped.offeredMemoData);
    EXPECT_EQ("copy me", dropped.text);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), dropped.effect);
    // The other program stays until the memo has finished its drag, which still calls it.
    ASSERT_TRUE(keys.Focus());
    EXPECT_EQ("copy me please", ShownText(keys));
  }

  // Without Ctrl: memo data, which the other program takes as a move; the memo gives it up.
  {
    DriverDropTarget other(kOtherProgram);
    ASSERT_NE(nullptr, other.Window());
    SelectFromStart(keys, 5);
    ASSERT_TRUE(keys.Settle());
    MouseInput::Drag(At(memo, layout.Inside(2)), Centre(kOtherProgram));
    ASSERT_TRUE(other.WaitForDrop()) << "nothing was dropped on the other program";
    const DroppedData dropped = other.Dropped();
    EXPECT_TRUE(dropped.offeredMemoData);
    EXPECT_FALSE(dropped.offeredText);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE), dropped.effect);
    ASSERT_TRUE(keys.Focus());
    EXPECT_EQ("me please", ShownText(keys));
  }
}

class DropsFromElsewhere : public CommandTest {
 protected:
  // Another program drags the data onto the memo, below its text (which drops at its end);
  // the effect the memo chose.
  DWORD DropOnMemo(const MemoProcess& memo, const std::vector<DataBlock>& blocks) {
    DriverDragSource other(kOtherProgram, blocks);
    if (!other.Window() || !other.Front()) return 0xFFFF;
    MouseInput::Drag(Centre(kOtherProgram), ScreenPoint(memo.View(), {100, 200}));
    return other.WaitForDragEnd() ? other.Effect() : 0xFFFF;
  }
};

TEST_F(DropsFromElsewhere, FileListBecomesLinksByLinesOf) {
  SetSetting("Option", "LinksOfLine", 2);
  std::vector<std::string> files;
  for (const char* name : {"one.txt", "two.txt", "three.txt"}) {
    files.push_back(Folder() + name);
    ASSERT_TRUE(WriteWholeFile(files.back(), name));
  }
  const std::string path = Folder() + "drop.kvm";
  ASSERT_TRUE(MemoBuilder().Text("drop here:").Save(path));
  MemoProcess& memo = OpenMemo(path);
  ASSERT_TRUE(memo.Window());
  EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), DropOnMemo(memo, {FileListBlock(files)}));

  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());
  EXPECT_EQ("drop here:@@\n@", SavedText(keys, path));
  const std::vector<MemoItem> links = MemoLayout(path).Links();
  ASSERT_EQ(3u, links.size());
  for (size_t i = 0; i < links.size(); ++i)
    EXPECT_EQ(0, _stricmp(files[i].c_str(), links[i].linkPath.c_str())) << links[i].linkPath;
}

TEST_F(DropsFromElsewhere, TextComesBeforeFilesAndAnAddressBeforeText) {
  const std::string file = Folder() + "one.txt";
  ASSERT_TRUE(WriteWholeFile(file, "one"));
  const std::string path = Folder() + "drop.kvm";
  ASSERT_TRUE(MemoBuilder().Text("start ").Save(path));
  MemoProcess& memo = OpenMemo(path);
  ASSERT_TRUE(memo.Window());

  // Text and files: the text is taken (moved, as the view answers text without Ctrl).
  EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE),
            DropOnMemo(memo, {FileListBlock({file}), TextBlock("dropped words")}));
  // An address and its text: a link to the address (copied).
  EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY),
            DropOnMemo(memo, {TextBlock("http://example.com/"), UrlBlock("http://example.com/")}));

  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());
  EXPECT_EQ("start dropped words@", SavedText(keys, path));
  const std::vector<MemoItem> links = MemoLayout(path).Links();
  ASSERT_EQ(1u, links.size());
  EXPECT_EQ("http://example.com/", links[0].linkPath);
}
