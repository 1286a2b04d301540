// Japanese text through the font dialog: the dialog opens on the font of the selection in
// its script, and a Japanese face keeps the Japanese character set whatever script is
// picked, through typing and saving.
#include "CommandTest.h"
#include "MemoFixture.h"
#include "ProcessWindows.h"
#include "SavedMemo.h"
#include "Screenshots.h"

namespace {

// Combo boxes of the platform's font dialog.
const int kFaceBox = 0x470;
const int kSizeBox = 0x472;
const int kScriptBox = 0x474;

// Picks an item of a combo box of the dialog by its text, as a click in its list would.
bool ChooseItem(HWND dialog, int id, const char* text) {
  HWND box = GetDlgItem(dialog, id);
  LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text));
  if (index == CB_ERR) return false;
  SendMessageA(box, CB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  return true;
}

}  // namespace

TEST_F(CommandTest, JapaneseFaceChosenInTheFontDialogKeepsTheJapaneseCharacterSet) {
  const std::string path = Folder() + "japanese.kvm";
  ASSERT_TRUE(MemoFixture().Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // Typed into an empty memo, the text takes the default font.
  keys.Type("日本語");
  keys.Press('A', true);
  keys.Press('H', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no font dialog";
  HWND dialog = DialogsOf(memo.Id())[0];
  EXPECT_EQ("ＭＳ Ｐゴシック", ControlText(dialog, kFaceBox));
  EXPECT_EQ("10", ControlText(dialog, kSizeBox));
  EXPECT_EQ("日本語", ControlText(dialog, kScriptBox));

  // Western script picked after the face: the text is still Shift-JIS.
  ASSERT_TRUE(ChooseItem(dialog, kFaceBox, "ＭＳ 明朝"));
  ASSERT_TRUE(ChooseItem(dialog, kScriptBox, "欧文"));
  TakeShot("japanese-font-dialog");
  PressButton(dialog, IDOK);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));

  // Typed before the first character, new text takes its font.
  keys.Press(VK_HOME, true);
  keys.Type("漢字");
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  TakeShot("japanese-font-memo");
  std::vector<unsigned> codes;
  for (const StyledChar& c : SavedMemo(path).Chars()) {
    codes.push_back(c.code);
    EXPECT_EQ("ＭＳ 明朝", c.face);
    EXPECT_EQ(SHIFTJIS_CHARSET, c.charSet);
  }
  EXPECT_EQ(CodesOf("漢字日本語"), codes);
}
