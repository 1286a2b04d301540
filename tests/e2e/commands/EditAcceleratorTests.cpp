// The editing accelerators pressed as a person presses them: clipboard, undo, selection,
// date and time stamps, colour and font, and the keys that must do nothing without a
// selection, a link or an object (none of them may arrive as a typed character).
#include <ctime>

#include "CommandTest.h"
#include "DialogControls.h"
#include "KVProfile.h"
#include "MemoBuilder.h"
#include "MouseInput.h"
#include "SavedMemo.h"
#include "Screenshots.h"
#include "WindowQuery.h"

namespace {

// Controls of the platform's colour and font dialogs.
const int kBasicColours = 720;
const int kFontColourList = 1139;
const int kFontSizeBox = 1138;

std::string Stamp(const char* format) {
  time_t now = time(nullptr);
  char text[128] = "";
  strftime(text, sizeof text, format, localtime(&now));
  return text;
}

}  // namespace

class EditAccelerators : public CommandTest {
 protected:
  // Opens a memo of the text with the keyboard on it.
  MemoProcess& Open(const std::string& text) {
    path_ = Folder() + "edit.kvm";
    EXPECT_TRUE(MemoBuilder().Text(text).Save(path_));
    return OpenWithKeys(path_);
  }

  std::string path_;
};

TEST_F(EditAccelerators, KeysWithoutTheirPreconditionDoNothing) {
  MemoProcess& memo = Open("alpha beta\ngamma");
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  // Nothing selected, no link, nothing to undo. Untranslated, Ctrl+M would come as Enter.
  keys.Press(VK_END);
  for (WORD key : {'H', 'M', 'G', 'W', 'Z'}) keys.Press(key, true);
  keys.Press(VK_RETURN, true);
  PressAlt(VK_RETURN);
  PressAlt(VK_BACK);
  EXPECT_EQ("alpha beta\ngamma", SavedText(keys, path_));
  EXPECT_TRUE(DialogsOf(memo.Id()).empty()) << "a command without its precondition opened a dialog";
}

TEST_F(EditAccelerators, ClipboardKeysCutCopyAndPasteAndEachUndoKeyTakesOneStep) {
  ASSERT_TRUE(Open("alpha beta\ngamma").Window());
  KeyboardInput& keys = Keys();
  EXPECT_EQ("alpha beta\r\ngamma", ShownText(keys));
  EmptyTheClipboard();
  keys.Press('A', true);
  keys.Press('C', true);
  keys.Settle();
  EXPECT_TRUE(ClipboardHas("CF_KAVELO_DATA_BUS")) << "Ctrl+C";
  EmptyTheClipboard();
  keys.Press(VK_INSERT, true);
  keys.Settle();
  EXPECT_TRUE(ClipboardHas("CF_KAVELO_DATA_BUS")) << "Ctrl+Insert";

  // Ctrl+X and Shift+Delete cut, Ctrl+V and Shift+Insert paste at the caret.
  SelectFromStart(keys, 5);
  keys.Press('X', true);
  keys.Press(VK_END, true);
  keys.Press('V', true);
  EXPECT_EQ(" beta\r\ngammaalpha", ShownText(keys));
  SelectFromStart(keys, 5);
  keys.Press(VK_DELETE, false, true);
  keys.Press(VK_END, true);
  keys.Press(VK_INSERT, false, true);
  EXPECT_EQ("\r\ngammaalpha beta", ShownText(keys));

  // Ctrl+Z and Alt+Backspace each undo one step: the paste, then the cut; Ctrl+Y redoes
  // them in turn, and typing after an undo leaves nothing to redo.
  keys.Press('Z', true);
  EXPECT_EQ("\r\ngammaalpha", ShownText(keys));
  PressAlt(VK_BACK);
  EXPECT_EQ(" beta\r\ngammaalpha", ShownText(keys));
  keys.Press('Y', true);
  EXPECT_EQ("\r\ngammaalpha", ShownText(keys));
  keys.Press('Y', true);
  EXPECT_EQ("\r\ngammaalpha beta", ShownText(keys));
  keys.Press('Z', true);
  keys.Type("!");
  keys.Press('Y', true);
  EXPECT_EQ("\r\ngammaalpha!", ShownText(keys));
}

TEST_F(EditAccelerators, DeleteFromTheMenuAndStampsInTheirFormats) {
  KVWriteProfileString("TimeStamp", "Date1", "<%Y/%m/%d>");
  MemoProcess& memo = Open("alpha beta");
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // Edit > delete (the Delete key's command has no accelerator of its own).
  SelectFromStart(keys, 6);
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'E'));
  keys.Press('D');
  EXPECT_EQ("beta", ShownText(keys));

  // Ctrl+D with the format of "TimeStamp"/"Date1", Ctrl+T with the default time format.
  const std::string before = Stamp("<%Y/%m/%d>");
  keys.Press('D', true);
  keys.Press('T', true);
  const std::string text = SavedText(keys, path_);
  const std::string date = text.substr(4, before.size());
  EXPECT_TRUE(date == before || date == Stamp("<%Y/%m/%d>")) << text;
  const std::string time = text.substr(text.size() - std::string("00時00分").size());
  EXPECT_EQ(Stamp("%H時%M分").size(), time.size()) << text;
  EXPECT_TRUE(isdigit(time[0]) && isdigit(time[1]) && time.substr(2, 2) == "時") << text;
}

TEST_F(EditAccelerators, ColourDialogColoursTheSelection) {
  MemoProcess& memo = Open("style");
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // Ctrl+G: the colour dialog; a click on its first basic colour and OK colour the selection.
  keys.Press('A', true);
  keys.Press('G', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no colour dialog";
  HWND colour = DialogsOf(memo.Id())[0];
  HWND basic = GetDlgItem(colour, kBasicColours);
  ASSERT_NE(nullptr, basic) << "the dialog has no basic colours";
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == colour; }));
  RECT cells = {};
  GetClientRect(basic, &cells);
  MouseInput::Click(ScreenPoint(basic, {cells.right / 16, cells.bottom / 12}));
  TakeShot("colour-dialog");
  keys.Press(VK_RETURN);  // after the click, as input comes in order
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  for (const StyledChar& c : SavedMemo(path_).Chars()) EXPECT_EQ(RGB(255, 128, 128), c.color);
}

TEST_F(EditAccelerators, FontDialogOffersNoColourAndChangesTheSelectionsFont) {
  MemoProcess& memo = Open("style");
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // Ctrl+H: the font dialog with its colour list disabled; 20 points typed as its size.
  keys.Press('A', true);
  keys.Press('H', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no font dialog";
  HWND font = DialogsOf(memo.Id())[0];
  ASSERT_NE(nullptr, GetDlgItem(font, kFontColourList));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(font, kFontColourList)));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == font; }));
  HWND sizeBox = GetDlgItem(font, kFontSizeBox);
  RECT size = {};
  GetClientRect(sizeBox, &size);
  MouseInput::Click(ScreenPoint(sizeBox, {size.right / 3, size.bottom / 2}));
  keys.Press(VK_HOME);
  keys.Press(VK_END, false, true);
  keys.Type("20");
  ASSERT_TRUE(WaitUntil([&] { return ControlText(font, kFontSizeBox) == "20"; }));
  TakeShot("font-dialog");
  keys.Press(VK_RETURN);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());

  const std::vector<StyledChar> chars = SavedMemo(path_).Chars();
  ASSERT_EQ(5u, chars.size());
  for (const StyledChar& c : chars) EXPECT_EQ(-27, c.height);  // 20 points at 96 dpi
}
