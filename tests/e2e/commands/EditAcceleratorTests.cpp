// The editing accelerators pressed as a person presses them: clipboard, undo, selection,
// date and time stamps, colour and font, and the keys that must do nothing without a
// selection, a link or an object (none of them may arrive as a typed character).
#include <ctime>

#include "CommandTest.h"
#include "KVProfile.h"
#include "MemoBuilder.h"
#include "MemoFixture.h"
#include "MemoLayout.h"
#include "MouseInput.h"
#include "ProcessWindows.h"
#include "SavedMemo.h"
#include "Screenshots.h"

namespace {

// Controls of the platform's colour and font dialogs.
const int kBasicColours = 720;
const int kRedValue = 706;
const int kGreenValue = 707;
const int kFontColourList = 1139;
const int kFontSizeBox = 1138;

std::string Stamp(const char* format) {
  time_t now = time(nullptr);
  char text[128] = "";
  strftime(text, sizeof text, format, localtime(&now));
  return text;
}

}  // namespace

using EditAccelerators = CommandTest;

TEST_F(EditAccelerators, ClipboardUndoAndStampsTakeEffectAndIdleKeysTypeNothing) {
  KVWriteProfileString("TimeStamp", "Date1", "<%Y/%m/%d>");
  const std::string path = Folder() + "edit.kvm";
  ASSERT_TRUE(MemoFixture().Text("alpha beta\ngamma").Save(path));
  MemoProcess& memo = OpenMemo(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());
  auto saved = [&] {
    keys.Press('S', true);
    keys.Settle();
    return MemoLayout(path).Text();
  };

  // Nothing selected, no link, nothing to undo: each of these does nothing. Untranslated,
  // Ctrl+H and Ctrl+M would come as Backspace and Enter.
  keys.Press(VK_END);
  for (WORD key : {'H', 'M', 'G', 'W', 'Z'}) keys.Press(key, true);
  keys.Press(VK_RETURN, true);
  PressAlt(VK_RETURN);
  PressAlt(VK_BACK);
  EXPECT_EQ("alpha beta\ngamma", saved());
  EXPECT_TRUE(DialogsOf(memo.Id()).empty()) << "a command without its precondition opened a dialog";

  // What the memo holds, through Ctrl+A and Ctrl+B (neither leaves anything to undo; a save
  // would empty the undo history). The caret goes to the end.
  auto shown = [&] {
    keys.Press('A', true);
    keys.Press('B', true);
    keys.Press(VK_END, true);
    keys.Settle();
    return ClipboardText();
  };
  EXPECT_EQ("alpha beta\r\ngamma", shown());
  EmptyTheClipboard();
  keys.Press('A', true);
  keys.Press('C', true);
  keys.Settle();
  EXPECT_TRUE(ClipboardHas("CF_KAVELO_DATA_BUS")) << "Ctrl+C";
  EmptyTheClipboard();
  keys.Press(VK_INSERT, true);
  keys.Settle();
  EXPECT_TRUE(ClipboardHas("CF_KAVELO_DATA_BUS")) << "Ctrl+Insert";

  // Ctrl+X and Shift+Delete cut, Ctrl+V and Shift+Insert paste at the caret. (After select
  // all the caret is at the start already, where Ctrl+Home moves nothing and keeps the
  // selection.)
  auto selectFromStart = [&](int count) {
    keys.Press(VK_END, true);
    keys.Press(VK_HOME, true);
    for (int i = 0; i < count; ++i) keys.Press(VK_RIGHT, false, true);
  };
  selectFromStart(5);
  keys.Press('X', true);
  keys.Press(VK_END, true);
  keys.Press('V', true);
  EXPECT_EQ(" beta\r\ngammaalpha", shown());
  selectFromStart(5);
  keys.Press(VK_DELETE, false, true);
  keys.Press(VK_END, true);
  keys.Press(VK_INSERT, false, true);
  EXPECT_EQ("\r\ngammaalpha beta", shown());

  // Ctrl+Z and Alt+Backspace each undo one step: the paste, then the cut.
  keys.Press('Z', true);
  EXPECT_EQ("\r\ngammaalpha", shown());
  PressAlt(VK_BACK);
  EXPECT_EQ(" beta\r\ngammaalpha", shown());

  // Edit > delete (the Delete key's command has no accelerator of its own).
  selectFromStart(5);
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'E'));
  keys.Press('D');
  EXPECT_EQ("\r\ngammaalpha", shown());

  // Ctrl+D with the format of "TimeStamp"/"Date1", Ctrl+T with the default time format.
  const std::string before = Stamp("<%Y/%m/%d>");
  keys.Press('D', true);
  keys.Press('T', true);
  const std::string text = saved();
  const std::string date = text.substr(std::string("\ngammaalpha").size(), before.size());
  EXPECT_TRUE(date == before || date == Stamp("<%Y/%m/%d>")) << text;
  const std::string time = text.substr(text.size() - std::string("00時00分").size());
  EXPECT_EQ(Stamp("%H時%M分").size(), time.size()) << text;
  EXPECT_TRUE(isdigit(time[0]) && isdigit(time[1]) && time.substr(2, 2) == "時") << text;
}

TEST_F(EditAccelerators, ColourAndFontDialogsChangeTheSelection) {
  const std::string path = Folder() + "style.kvm";
  ASSERT_TRUE(MemoFixture().Text("style").Save(path));
  MemoProcess& memo = OpenMemo(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());

  // Ctrl+G: the colour dialog; a click on its first basic colour and OK colour the selection.
  keys.Press('A', true);
  keys.Press('G', true);
  keys.Settle();
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no colour dialog";
  HWND colour = DialogsOf(memo.Id())[0];
  HWND basic = GetDlgItem(colour, kBasicColours);
  ASSERT_NE(nullptr, basic) << "the dialog has no basic colours";
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == colour; }));
  RECT cells = {};
  GetClientRect(basic, &cells);
  MouseInput::Click(ScreenPoint(basic, {cells.right / 16, cells.bottom / 12}));
  ASSERT_TRUE(WaitUntil([&] {
    return ControlText(colour, kRedValue) == "255" && ControlText(colour, kGreenValue) == "128";
  })) << "the click did not choose the first basic colour";
  TakeShot("colour-dialog");
  PressButton(colour, IDOK);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));

  // Ctrl+H: the font dialog offers no colour; a size of 20 points and OK change the font.
  // (A change of colour leaves nothing selected.)
  keys.Press('A', true);
  keys.Press('H', true);
  keys.Settle();
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no font dialog";
  HWND font = DialogsOf(memo.Id())[0];
  ASSERT_NE(nullptr, GetDlgItem(font, kFontColourList));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(font, kFontColourList)));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == font; }));
  RECT size = {};
  GetClientRect(GetDlgItem(font, kFontSizeBox), &size);
  MouseInput::Click(ScreenPoint(GetDlgItem(font, kFontSizeBox), {size.right / 3, size.bottom / 2}));
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

  HDC screen = GetDC(nullptr);
  const LONG height = -MulDiv(20, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  const std::vector<StyledChar> chars = SavedMemo(path).Chars();
  ASSERT_EQ(5u, chars.size());
  for (const StyledChar& c : chars) {
    EXPECT_EQ(RGB(255, 128, 128), c.color);
    EXPECT_EQ(height, c.height);
  }
}
