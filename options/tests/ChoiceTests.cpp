// The colour pickers (custom colours kept in the file only for the property defaults) and
// the font dialog, whose choice is stored as the default font's Info and Fase keys.
#include <regex>

#include "OptionTest.h"
#include "resource.h"

namespace {

const int kFontFaceList = 0x470;  // the font dialog's face list (cmb1)

// Opens the colour picker with the button and confirms it unchanged.
void ConfirmColorPicker(SheetDriver& editor, int button) {
  editor.Click(button);
  HWND picker = WaitForOwnedDialog(editor.Sheet());
  ASSERT_TRUE(picker);
  ASSERT_TRUE(PressAndWait(picker, IDOK));
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
  ASSERT_TRUE(WaitFor([] { return Settings().Section("CustomColors").size() == 16; }));
  IniSection custom = Settings().Section("CustomColors");
  for (const auto& [key, value] : custom)
    EXPECT_EQ(value, key == "Color_3" ? "1122867" : "16777215") << key;
  editor.ShowPage(kLinkDefaultsPage);
  ConfirmColorPicker(editor, IDC_LINK_URL + LINK_TEXT_COLOR);
  ASSERT_TRUE(editor.Apply());
  EXPECT_EQ(Settings().Value("FileDefault", "MemoBackColor"), "1193046");
  EXPECT_EQ(Settings().Value("LINK", "UrlTextColor"), "0");
}

TEST_F(OptionTest, TheChosenDefaultFontIsStoredAsInfoAndFase) {
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  editor.ShowPage(kGeneralPage);
  editor.Click(IDC_FONT_CHANGE);
  HWND dialog = WaitForOwnedDialog(editor.Sheet());
  ASSERT_TRUE(dialog);
  HWND faces = GetDlgItem(dialog, kFontFaceList);
  int count = static_cast<int>(SendTo(faces, CB_GETCOUNT));
  ASSERT_GT(count, 0);
  SendTo(faces, CB_SETCURSEL, count - 1);
  SendTo(dialog, WM_COMMAND, MAKEWPARAM(kFontFaceList, CBN_SELCHANGE),
         reinterpret_cast<LPARAM>(faces));
  std::string face = WindowText(faces);
  ASSERT_FALSE(face.empty());
  ASSERT_TRUE(PressAndWait(dialog, IDOK));
  ASSERT_TRUE(editor.Apply());

  IniFile ini = Settings();
  EXPECT_EQ(ini.Value("Font", "DefaultFase"), face);
  // Five long fields in eight upper-case hexadecimal digits, then eight bytes in two.
  EXPECT_TRUE(std::regex_match(ini.Value("Font", "DefaultInfo"),
                               std::regex("([0-9A-F]{8},){5}([0-9A-F]{2},){7}[0-9A-F]{2}")))
      << ini.Value("Font", "DefaultInfo");
  // A new start reads the font back and offers it again.
  editor.Press(PSBTN_CANCEL);
  ASSERT_EQ(editor.WaitForExit(), 0);
  SheetDriver again;
  ASSERT_TRUE(again.WaitForSheet());
  again.ShowPage(kGeneralPage);
  ASSERT_TRUE(again.Apply());
  EXPECT_EQ(Settings().Value("Font", "DefaultFase"), face);
  EXPECT_EQ(Settings().Value("Font", "DefaultInfo"), ini.Value("Font", "DefaultInfo"));
}
