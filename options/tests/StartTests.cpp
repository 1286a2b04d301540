// One editor at a time, and a settings file that cannot be written.
#include "OptionTest.h"
#include "resource.h"

TEST_F(OptionTest, ASecondStartOnlyBringsTheFirstSheetForward) {
  SheetDriver first;
  ASSERT_TRUE(first.WaitForSheet());
  // A window of the test takes the foreground from the sheet.
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(other);
  SetForegroundWindow(other);
  ASSERT_TRUE(WaitUntil([other] { return GetForegroundWindow() == other; }));

  SheetDriver second;
  EXPECT_EQ(second.WaitForExit(), 0);
  EXPECT_EQ(CountSheets(), 1);
  EXPECT_TRUE(WaitUntil([&first] { return GetForegroundWindow() == first.Sheet(); }));
  DestroyWindow(other);
}

TEST_F(OptionTest, AReadOnlySettingsFileIsReportedAndTheSheetStaysOpen) {
  SeedSettings("[Option]\nUseCloseMsg=0\n");
  SetFileAttributesA(SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY);
  std::string before = Settings().Text();
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  editor.Choose(IDC_USE_CLOSE_MSG, 1);
  for (int button : {PSBTN_APPLYNOW, PSBTN_OK}) {
    editor.Press(button);
    HWND box = WaitForOwnedDialog(editor.Sheet());
    ASSERT_TRUE(box) << button;
    EXPECT_NE(MessageText(box).find("設定ファイルに書き込めませんでした。"), std::string::npos);
    EXPECT_NE(MessageText(box).find(SettingsPath()), std::string::npos);
    ASSERT_TRUE(PressAndWait(box, IDOK));
    EXPECT_TRUE(IsWindowVisible(editor.Sheet())) << button;
  }
  EXPECT_EQ(Settings().Text(), before);
  editor.Press(PSBTN_CANCEL);
  EXPECT_EQ(editor.WaitForExit(), 0);
}
