// The pages: defaults with no settings file, the keys each shown page stores and their
// encodings, the enabling rules, refused numbers, colours and the default font.
#include <filesystem>

#include "OptionTest.h"
#include "resource.h"

namespace {

const int kLinkGroups[] = {IDC_LINK_MEMO, IDC_LINK_IMAGE, IDC_LINK_FILE, IDC_LINK_URL};

void ExpectFilePageDefaults(SheetDriver& editor) {
  EXPECT_EQ(editor.Chosen(IDC_USE_CLOSE_MSG), 1);
  EXPECT_FALSE(editor.Checked(IDC_SAVE_WINDOW_INFO));
  EXPECT_EQ(editor.Chosen(IDC_USE_FILE_SAVE_DIALOG), 1);
  EXPECT_EQ(editor.Chosen(IDC_USE_DATA_FOLDER_DIALOG), 1);
  EXPECT_EQ(editor.Chosen(IDC_DATA_FOLDER_TYPE), 0);
  EXPECT_EQ(editor.Text(IDC_SUB_FOLDER_FMT), "");
  EXPECT_TRUE(editor.Checked(IDC_RECOVERY_COPIES));
  EXPECT_EQ(editor.Text(IDC_RECOVERY_DELAY), "3");
  EXPECT_TRUE(editor.Enabled(IDC_RECOVERY_DELAY));
  std::vector<ListRow> rows = RemoteList(editor.Process(), editor.Control(IDC_FOLDER_LIST)).Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "USER");
  EXPECT_EQ(rows[0].path, KaveloFolder() + "\\Data");
  EXPECT_TRUE(rows[0].checked);
  EXPECT_FALSE(editor.Enabled(IDC_FOLDER_EDIT));
  EXPECT_FALSE(editor.Enabled(IDC_FOLDER_DELETE));
}

void ExpectGeneralPageDefaults(SheetDriver& editor) {
  for (int id :
       {IDC_IMM_OPEN, IDC_WHEEL_TYPE, IDC_USE_MENU_BAR, IDC_AUTO_OPEN, IDC_HAVE_EXT})
    EXPECT_TRUE(editor.Checked(id)) << id;
  EXPECT_FALSE(editor.Checked(IDC_HAVE_PATH));
  EXPECT_FALSE(editor.Checked(IDC_USE_TRON_POINTER));
  EXPECT_FALSE(editor.Checked(IDC_SFN2LFN));
  EXPECT_EQ(editor.Text(IDC_AUTO_SCROLL_TIMER), "100");
  EXPECT_EQ(editor.Text(IDC_LINKS_OF_LINE), "5");
  EXPECT_EQ(editor.Text(IDC_AUTO_OPEN_HEIGHT), "120");
  EXPECT_EQ(editor.Text(IDC_AUTO_OPEN_WIDTH), "120");
  EXPECT_EQ(editor.Text(IDC_DATE1), "%Y年%m月%d日");
  EXPECT_EQ(editor.Text(IDC_DATE2), "%H時%M分");
  EXPECT_EQ(editor.Chosen(IDC_USE_DOC_NAME), 1);
  // The caption shows the document name, so path and extension do not apply.
  EXPECT_FALSE(editor.Enabled(IDC_HAVE_PATH));
  EXPECT_TRUE(editor.Enabled(IDC_AUTO_OPEN_HEIGHT));
}

// 0x78000001, 0x70000001, 0x70000001, 0x60000001: all titled by file name (or URL).
void ExpectLinkDefaults(SheetDriver& editor) {
  const bool showPath[] = {false, false, false, true};
  const bool showExt[] = {false, true, true, true};
  for (int i = 0; i < 4; ++i) {
    int group = kLinkGroups[i];
    EXPECT_EQ(editor.Chosen(group + LINK_TITLE), 1) << group;
    EXPECT_EQ(editor.Checked(group + LINK_PATH), showPath[i]) << group;
    EXPECT_EQ(editor.Checked(group + LINK_EXT), showExt[i]) << group;
    EXPECT_TRUE(editor.Checked(group + LINK_ICON)) << group;
    EXPECT_TRUE(editor.Checked(group + LINK_BORDER)) << group;
    EXPECT_TRUE(editor.Enabled(group + LINK_PATH)) << group;
  }
}

// Wraps documents, stretches images without border, gives memo links an icon, titles
// image links by file name without extension and web links by heading.
void ChangeObjectAndLinkDefaults(SheetDriver& editor) {
  editor.ShowPage(kObjectDefaultsPage);
  EXPECT_TRUE(editor.Checked(IDC_IMAGE_BORDER));
  EXPECT_TRUE(editor.Checked(IDC_IMAGE_KEEP_ASPECT));
  editor.SetCheck(IDC_MEMO_WRAP, true);
  editor.SetCheck(IDC_IMAGE_BORDER, false);
  editor.SetCheck(IDC_IMAGE_STRETCH, true);

  editor.ShowPage(kLinkDefaultsPage);
  EXPECT_EQ(editor.Chosen(IDC_LINK_MEMO + LINK_TITLE), 2);
  EXPECT_FALSE(editor.Enabled(IDC_LINK_MEMO + LINK_PATH));
  EXPECT_EQ(editor.Chosen(IDC_LINK_FILE + LINK_TITLE), 1);
  EXPECT_FALSE(editor.Checked(IDC_LINK_FILE + LINK_EXT));
  editor.SetCheck(IDC_LINK_MEMO + LINK_ICON, true);
  editor.Choose(IDC_LINK_IMAGE + LINK_TITLE, 0);
  EXPECT_FALSE(editor.Enabled(IDC_LINK_IMAGE + LINK_EXT));
  editor.Choose(IDC_LINK_IMAGE + LINK_TITLE, 1);
  EXPECT_TRUE(editor.Enabled(IDC_LINK_IMAGE + LINK_EXT));
  editor.SetCheck(IDC_LINK_IMAGE + LINK_EXT, false);
  editor.Choose(IDC_LINK_URL + LINK_TITLE, 0);
  EXPECT_FALSE(editor.Enabled(IDC_LINK_URL + LINK_PATH));
  EXPECT_FALSE(editor.Enabled(IDC_LINK_URL + LINK_EXT));
}

// An empty number keeps the general page from being left or stored.
void ExpectEmptyNumberRefused(SheetDriver& editor) {
  for (bool leave : {true, false}) {
    if (leave)
      PostMessageA(editor.Sheet(), PSM_SETCURSEL, kFilePage, 0);
    else
      editor.Press(PSBTN_APPLYNOW);
    HWND box = WaitForOwnedDialog(editor.Sheet());
    ASSERT_TRUE(box) << leave;
    EXPECT_EQ(MessageText(box), "数値を入力してください。");
    ASSERT_TRUE(PressAndWait(box, IDOK));
    EXPECT_TRUE(editor.Control(IDC_LINKS_OF_LINE)) << leave;
  }
}

}  // namespace

TEST_F(OptionTest, WithoutSettingsEveryControlShowsItsDefaultAndCancelWritesNothing) {
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  for (const char* folder : {"", "\\Config", "\\Data"})
    EXPECT_TRUE(std::filesystem::is_directory(KaveloFolder() + folder)) << folder;
  ExpectFilePageDefaults(editor);
  editor.ShowPage(kGeneralPage);
  ExpectGeneralPageDefaults(editor);
  editor.ShowPage(kObjectDefaultsPage);
  EXPECT_FALSE(editor.Checked(IDC_MEMO_WRAP));
  EXPECT_TRUE(editor.Checked(IDC_IMAGE_BORDER));
  EXPECT_FALSE(editor.Checked(IDC_IMAGE_STRETCH));
  EXPECT_FALSE(IsWindowVisible(editor.Control(IDC_IMAGE_KEEP_ASPECT)));
  editor.ShowPage(kLinkDefaultsPage);
  ExpectLinkDefaults(editor);
  editor.ShowPage(kPluginPage);
  EXPECT_TRUE(RemoteList(editor.Process(), editor.Control(IDC_PLUGIN_LIST)).Rows().empty());
  EXPECT_FALSE(editor.Enabled(IDC_PLUGIN_EDIT));

  editor.ShowPage(kGeneralPage);
  editor.SetCheck(IDC_USE_TRON_POINTER, true);
  editor.Press(PSBTN_CANCEL);
  EXPECT_EQ(editor.WaitForExit(), 0);
  EXPECT_FALSE(Settings().Exists());
}

TEST_F(OptionTest, OkStoresEveryShownPageWithTheDefaultEncodings) {
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  for (int page = kGeneralPage; page <= kPluginPage; ++page) editor.ShowPage(page);
  editor.Press(PSBTN_OK);
  ASSERT_EQ(editor.WaitForExit(), 0);

  IniFile ini = Settings();
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"filedefault", "font", "image", "link",
                                                          "option", "timestamp", "title"}));
  EXPECT_EQ(Sorted(ini.Section("Option")), Sorted({{"UseCloseMsg", "1"},
                                                   {"SaveWindowInfo", "0"},
                                                   {"UseFileSaveDialog", "1"},
                                                   {"UseDataFolderDialog", "1"},
                                                   {"DataFolderType", "0"},
                                                   {"SubFolderFmt", ""},
                                                   {"FolderList", ""},
                                                   {"RecoveryCopies", "1"},
                                                   {"RecoveryDelay", "3"},
                                                   {"UseTronPointer", "0"},
                                                   {"IMMOpen", "1"},
                                                   {"WheelType", "1"},
                                                   {"UseMenuBar", "1"},
                                                   {"SFN2LFN", "0"},
                                                   {"AutoScrollTimer", "100"},
                                                   {"LinksOfLine", "5"}}));
  EXPECT_EQ(Sorted(ini.Section("LINK")), Sorted({{"AutoOpen", "1"},
                                                 {"AutoOpenHeight", "120"},
                                                 {"AutoOpenWidth", "120"},
                                                 {"MemoAttr", "2013265921"},
                                                 {"MemoTextColor", "0"},
                                                 {"MemoBackColor", "16777215"},
                                                 {"ImageAttr", "1879048193"},
                                                 {"ImageTextColor", "0"},
                                                 {"ImageBackColor", "16777215"},
                                                 {"FileAttr", "1879048193"},
                                                 {"FileTextColor", "0"},
                                                 {"FileBackColor", "16777215"},
                                                 {"UrlAttr", "1610612737"},
                                                 {"UrlTextColor", "0"},
                                                 {"UrlBackColor", "16777215"}}));
  EXPECT_EQ(Sorted(ini.Section("TimeStamp")),
            Sorted({{"Date1", "%Y年%m月%d日"}, {"Date2", "%H時%M分"}}));
  EXPECT_EQ(Sorted(ini.Section("Title")),
            Sorted({{"UseDocName", "1"}, {"HavePath", "0"}, {"HaveExt", "1"}}));
  // The built-in default font, 10-point "ＭＳ Ｐゴシック": -13 pixels high at 96 dpi, weight
  // 400, character set 128, pitch and family 0x22, as the settings file stores them.
  EXPECT_EQ(Sorted(ini.Section("Font")),
            Sorted({{"DefaultInfo",
                     "FFFFFFF3,00000000,00000000,00000000,00000190,00,00,00,80,00,00,00,22"},
                    {"DefaultFase", "ＭＳ Ｐゴシック"},
                    {"Color", "0"}}));
  EXPECT_EQ(Sorted(ini.Section("FileDefault")),
            Sorted({{"MemoAttr", "0"}, {"MemoBackColor", "16777215"}}));
  EXPECT_EQ(ini.Section("IMAGE"), (IniSection{{"Attr", "1"}}));
}

TEST_F(OptionTest, ShownPagesAloneAreStoredWithTheirAttributeBits) {
  // Image: border and keep-aspect with a bit the page does not edit. Memo links: the third
  // title. Other files: file name title, extension hidden, a foreign bit.
  SeedSettings(
      "[IMAGE]\nAttr=1073742081\n[LINK]\nMemoAttr=603979776\nFileAttr=671089408\n"
      "[Option]\nUseTronPointer=1\n");
  {
    SheetDriver editor;
    ASSERT_TRUE(editor.WaitForSheet());
    ChangeObjectAndLinkDefaults(editor);
    ASSERT_TRUE(editor.Apply());
    IniFile ini = Settings();
    // Bits 31 and 30: a negative decimal.
    EXPECT_EQ(ini.Section("IMAGE"), (IniSection{{"Attr", "-1073741824"}}));
    EXPECT_EQ(Sorted(ini.Section("FileDefault")),
              Sorted({{"MemoAttr", "1073741824"}, {"MemoBackColor", "16777215"}}));
    EXPECT_EQ(ini.Value("LINK", "MemoAttr"), "1677721600");   // 0x64000000
    EXPECT_EQ(ini.Value("LINK", "ImageAttr"), "2013265921");  // 0x78000001
    EXPECT_EQ(ini.Value("LINK", "FileAttr"), "671088640");    // 0x28000000
    EXPECT_EQ(ini.Value("LINK", "UrlAttr"), "1073741825");    // 0x40000001
    // The file page is always shown; the general and plug-in pages never were.
    EXPECT_EQ(ini.Value("Option", "UseCloseMsg"), "1");
    EXPECT_EQ(ini.Value("Option", "UseTronPointer"), "1");
    EXPECT_FALSE(ini.Has("Option", "IMMOpen"));
    EXPECT_FALSE(ini.Has("LINK", "AutoOpen"));
    EXPECT_TRUE(ini.Section("Title").empty());
    EXPECT_TRUE(ini.Section("Font").empty());
    editor.Press(PSBTN_CANCEL);
    EXPECT_EQ(editor.WaitForExit(), 0);
  }
  SheetDriver again;
  ASSERT_TRUE(again.WaitForSheet());
  again.ShowPage(kObjectDefaultsPage);
  EXPECT_TRUE(again.Checked(IDC_IMAGE_STRETCH));
  EXPECT_FALSE(again.Checked(IDC_IMAGE_BORDER));
  EXPECT_TRUE(again.Checked(IDC_IMAGE_KEEP_ASPECT));
  EXPECT_TRUE(again.Checked(IDC_MEMO_WRAP));
  again.ShowPage(kLinkDefaultsPage);
  EXPECT_EQ(again.Chosen(IDC_LINK_MEMO + LINK_TITLE), 2);
  EXPECT_FALSE(again.Checked(IDC_LINK_IMAGE + LINK_EXT));
  EXPECT_EQ(again.Chosen(IDC_LINK_URL + LINK_TITLE), 0);
}

TEST_F(OptionTest, GeneralPageStoresItsKeysAndRefusesAnEmptyNumber) {
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  editor.ShowPage(kGeneralPage);
  editor.SetCheck(IDC_AUTO_OPEN, false);
  EXPECT_FALSE(editor.Enabled(IDC_AUTO_OPEN_HEIGHT));
  EXPECT_FALSE(editor.Enabled(IDC_AUTO_OPEN_WIDTH));
  editor.Choose(IDC_USE_DOC_NAME, 0);
  EXPECT_TRUE(editor.Enabled(IDC_HAVE_PATH));
  EXPECT_TRUE(editor.Enabled(IDC_HAVE_EXT));
  editor.SetCheck(IDC_USE_TRON_POINTER, true);
  editor.SetCheck(IDC_WHEEL_TYPE, false);
  editor.SetCheck(IDC_HAVE_EXT, false);
  editor.Type(IDC_AUTO_SCROLL_TIMER, "250");
  editor.Type(IDC_DATE1, "%Y/%m/%d(%a)");
  editor.Type(IDC_DATE2, "%H:%M");
  editor.Type(IDC_LINKS_OF_LINE, "");

  ExpectEmptyNumberRefused(editor);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_FALSE(Settings().Has("Option", "AutoScrollTimer"));

  editor.Type(IDC_LINKS_OF_LINE, "7");
  ASSERT_TRUE(editor.Apply());
  IniFile ini = Settings();
  for (auto [key, value] : {std::pair<const char*, const char*>{"UseTronPointer", "1"},
                            {"IMMOpen", "1"},
                            {"WheelType", "0"},
                            {"UseMenuBar", "1"},
                            {"SFN2LFN", "0"},
                            {"AutoScrollTimer", "250"},
                            {"LinksOfLine", "7"}})
    EXPECT_EQ(ini.Value("Option", key), value) << key;
  EXPECT_EQ(Sorted(ini.Section("TimeStamp")),
            Sorted({{"Date1", "%Y/%m/%d(%a)"}, {"Date2", "%H:%M"}}));
  EXPECT_EQ(Sorted(ini.Section("Title")),
            Sorted({{"UseDocName", "0"}, {"HavePath", "0"}, {"HaveExt", "0"}}));
  EXPECT_EQ(ini.Value("LINK", "AutoOpen"), "0");
  EXPECT_EQ(ini.Value("LINK", "AutoOpenHeight"), "120");
}

TEST_F(OptionTest, RecoveryCopiesCanBeTurnedOffAndTheirDelayStaysInRange) {
  SeedSettings("[Option]\nRecoveryDelay=0\n");
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  EXPECT_EQ(editor.Text(IDC_RECOVERY_DELAY), "3");  // as the editor takes a delay out of range
  editor.Type(IDC_RECOVERY_DELAY, "99");
  editor.Press(PSBTN_APPLYNOW);
  HWND box = WaitForOwnedDialog(editor.Sheet());
  ASSERT_TRUE(box);
  EXPECT_EQ(MessageText(box), "復元用コピーまでの秒数は 1 から 60 までで指定してください。");
  ASSERT_TRUE(PressAndWait(box, IDOK));
  EXPECT_EQ(Settings().Value("Option", "RecoveryDelay"), "0");

  editor.Type(IDC_RECOVERY_DELAY, "10");
  editor.SetCheck(IDC_RECOVERY_COPIES, false);
  EXPECT_FALSE(editor.Enabled(IDC_RECOVERY_DELAY));
  ASSERT_TRUE(editor.Apply());
  EXPECT_EQ(Settings().Value("Option", "RecoveryCopies"), "0");
  EXPECT_EQ(Settings().Value("Option", "RecoveryDelay"), "10");
}
