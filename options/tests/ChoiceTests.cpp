// The colour pickers (custom colours kept in the file only for the property defaults) and
// the font dialog, which starts on a Japanese default and stores a Japanese choice in the
// Japanese character set.
#include <regex>

#include "OptionTest.h"
#include "resource.h"

namespace {

// Combo boxes of the platform's font dialog.
const int kFontFaceBox = 0x470;
const int kFontSizeBox = 0x472;
const int kFontScriptBox = 0x474;

// Opens the colour picker with the button and confirms it unchanged.
void ConfirmColorPicker(SheetDriver& editor, int button) {
  editor.Click(button);
  HWND picker = WaitForOwnedDialog(editor.Sheet());
  ASSERT_TRUE(picker);
  ASSERT_TRUE(PressAndWait(picker, IDOK));
}

// Picks an item of a combo box of the dialog by its text, as a click in its list would.
bool ChooseItem(HWND dialog, int id, const char* text) {
  HWND box = GetDlgItem(dialog, id);
  LRESULT index =
      SendTo(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  if (index == CB_ERR) return false;
  SendTo(box, CB_SETCURSEL, index);
  SendTo(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  return true;
}

}  // namespace

TEST_F(OptionTest, ColourPickersStartAsTheirPageSaysAndOnlyDefaultsKeepCustomColours) {
  SeedSettings(
      "[FileDefault]\nMemoBackColor=1193046\n[Font]\nColor=1193046\n"
      "[CustomColors]\nColor_3=1122867\n");
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  // The text colour starts at black, whatever the current one, and keeps no custom colours.
  editor.ShowPage(kGeneralPage);
  ConfirmColorPicker(editor, IDC_FONT_COLOR);
  ASSERT_TRUE(editor.Apply());
  EXPECT_EQ(Settings().Value("Font", "Color"), "0");
  EXPECT_EQ(Settings().Section("CustomColors"), (IniSection{{"Color_3", "1122867"}}));

  // A property default starts at its colour; all sixteen custom colours are written back.
  editor.ShowPage(kObjectDefaultsPage);
  ConfirmColorPicker(editor, IDC_MEMO_BACK_COLOR);
  // The picker writes them once it has closed.
  ASSERT_TRUE(WaitUntil([] { return Settings().Section("CustomColors").size() == 16; }));
  IniSection custom = Settings().Section("CustomColors");
  for (const auto& [key, value] : custom)
    EXPECT_EQ(value, key == "Color_3" ? "1122867" : "16777215") << key;
  editor.ShowPage(kLinkDefaultsPage);
  ConfirmColorPicker(editor, IDC_LINK_URL + LINK_TEXT_COLOR);
  ASSERT_TRUE(editor.Apply());
  EXPECT_EQ(Settings().Value("FileDefault", "MemoBackColor"), "1193046");
  EXPECT_EQ(Settings().Value("LINK", "UrlTextColor"), "0");
}

TEST_F(OptionTest, TheDefaultFontIsJapaneseAndAJapaneseChoiceKeepsItsCharacterSet) {
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  editor.ShowPage(kGeneralPage);
  editor.Click(IDC_FONT_CHANGE);
  HWND dialog = WaitForOwnedDialog(editor.Sheet());
  ASSERT_TRUE(dialog);
  // With no settings the dialog starts on the built-in font, in its script.
  EXPECT_EQ(ControlText(dialog, kFontFaceBox), "ＭＳ Ｐゴシック");
  EXPECT_EQ(ControlText(dialog, kFontSizeBox), "10");
  EXPECT_EQ(ControlText(dialog, kFontScriptBox), "日本語");
  // Western script picked after the face: memo text is still Shift-JIS.
  ASSERT_TRUE(ChooseItem(dialog, kFontFaceBox, "ＭＳ 明朝"));
  ASSERT_TRUE(ChooseItem(dialog, kFontScriptBox, "欧文"));
  ASSERT_TRUE(PressAndWait(dialog, IDOK));
  ASSERT_TRUE(editor.Apply());

  IniFile ini = Settings();
  EXPECT_EQ(ini.Value("Font", "DefaultFase"), "ＭＳ 明朝");
  // Five long fields in eight upper-case hexadecimal digits, then eight bytes in two, the
  // character set (the fourth) Shift-JIS.
  EXPECT_TRUE(std::regex_match(ini.Value("Font", "DefaultInfo"),
                               std::regex("([0-9A-F]{8},){5}([0-9A-F]{2},){3}80(,[0-9A-F]{2}){4}")))
      << ini.Value("Font", "DefaultInfo");
  // A new start reads the font back and offers it again.
  editor.Press(PSBTN_CANCEL);
  ASSERT_EQ(editor.WaitForExit(), 0);
  SheetDriver again;
  ASSERT_TRUE(again.WaitForSheet());
  again.ShowPage(kGeneralPage);
  again.Click(IDC_FONT_CHANGE);
  dialog = WaitForOwnedDialog(again.Sheet());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(ControlText(dialog, kFontFaceBox), "ＭＳ 明朝");
  EXPECT_EQ(ControlText(dialog, kFontScriptBox), "日本語");
  ASSERT_TRUE(PressAndWait(dialog, IDCANCEL));
  ASSERT_TRUE(again.Apply());
  EXPECT_EQ(Settings().Value("Font", "DefaultFase"), "ＭＳ 明朝");
  EXPECT_EQ(Settings().Value("Font", "DefaultInfo"), ini.Value("Font", "DefaultInfo"));
}
