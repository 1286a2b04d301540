// The data folder and plug-in lists: adding with every refusal, checking one default,
// editing, deleting, and the keys each apply leaves in the file.
#include "OptionTest.h"
#include "resource.h"

namespace {

const char kFolderDialog[] = "データフォルダの追加・編集";
const char kPluginDialog[] = "プラグインの追加・編集";

HWND OpenEntryDialog(SheetDriver& editor, int button, const char* caption) {
  editor.Click(button);
  return WaitForOwnedDialog(editor.Sheet(), caption);
}

// The folders that the data folder rows name; the first two exist from the start.
struct TestFolders {
  std::string work = MakeTestFolder("Work");
  std::string photos = MakeTestFolder("写真");
  std::string created = KaveloFolder() + "\\Folders\\新規\\写真2";
};

// Adds "Work" and "写真" after trying every refusal of the folder dialog.
void AddFoldersWithEveryRefusal(SheetDriver& editor, const TestFolders& folders) {
  HWND dialog = OpenEntryDialog(editor, IDC_FOLDER_ADD, kFolderDialog);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(SubmitEntry(dialog, "", folders.work.c_str()),
            "フォルダ名が入力されていません。\nフォルダ名を指定してください。");
  EXPECT_EQ(SubmitEntry(dialog, "Bin", nullptr),
            "bin あるいは usr は予約されておりフォルダ名に使用することができません。\n"
            "別のフォルダ名を指定してください。");
  EXPECT_EQ(SubmitEntry(dialog, "usr", nullptr).substr(0, 3), "bin");
  EXPECT_EQ(SubmitEntry(dialog, "50%", nullptr),
            "フォルダ名に % は使用できません。\n別のフォルダ名を指定してください。");
  EXPECT_EQ(SubmitEntry(dialog, "user", nullptr),
            "同じ名前のデータフォルダが既にあります。\n別のフォルダ名を指定してください。");
  EXPECT_EQ(SubmitEntry(dialog, "Work", "  "),
            "フォルダのパスが入力されていません。\nパスを指定してください。");
  // A memo saved into anything but an existing folder given by its full path would fail.
  EXPECT_EQ(SubmitEntry(dialog, "Work", "Work"),
            "「Work」は完全なパスではありません。\nドライブ名から始まるパスを指定してください。");
  const std::string program = ProgramFolder() + "KVOption.exe";
  EXPECT_EQ(SubmitEntry(dialog, "Work", program.c_str()),
            "「" + program + "」はフォルダではありません。\n別のパスを指定してください。");
  EXPECT_EQ(SubmitEntry(dialog, "Work", folders.work.c_str()), "");
  dialog = OpenEntryDialog(editor, IDC_FOLDER_ADD, kFolderDialog);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(SubmitEntry(dialog, "写真", folders.photos.c_str()), "");
}

// Checks row 0 (the stored default goes), edits "写真" into a folder that it creates when
// asked, deletes "Work" (its key goes).
void EditAndDeleteFolders(SheetDriver& editor, const TestFolders& paths) {
  RemoteList folders(editor.Process(), editor.Control(IDC_FOLDER_LIST));
  folders.SetChecked(0, true);
  ASSERT_TRUE(editor.Apply());
  EXPECT_FALSE(IniFile(SettingsPath()).Has("Option", "DefaultDataFolder"));

  // The name is read-only when editing; an emptied path is still refused.
  folders.Select(2);
  EXPECT_TRUE(editor.Enabled(IDC_FOLDER_EDIT));
  HWND dialog = OpenEntryDialog(editor, IDC_FOLDER_EDIT, kFolderDialog);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, IDC_ENTRY_NAME), GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(SubmitEntry(dialog, nullptr, ""),
            "フォルダのパスが入力されていません。\nパスを指定してください。");
  // A folder that is not there: No returns to the dialog, Yes makes it with its parent.
  const std::string question = "フォルダ「" + paths.created + "」はありません。\n作成しますか？";
  EXPECT_EQ(SubmitEntry(dialog, nullptr, paths.created.c_str(), IDNO), question);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(GetFileAttributesA(paths.created.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(SubmitEntry(dialog, nullptr, nullptr, IDYES), question);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
  const DWORD made = GetFileAttributesA(paths.created.c_str());
  EXPECT_TRUE(made != INVALID_FILE_ATTRIBUTES && (made & FILE_ATTRIBUTE_DIRECTORY));
  folders.Select(1);
  editor.Run(IDC_FOLDER_DELETE);
  ASSERT_TRUE(editor.Apply());
  IniFile ini(SettingsPath());
  EXPECT_EQ(ini.Value("Option", "FolderList"), "写真%");
  EXPECT_EQ(ini.Section("DataFolder"), (IniSection{{"写真", paths.created}}));
}

}  // namespace

TEST_F(OptionTest, DataFoldersRoundTripThroughTheFileWithOneDefault) {
  const TestFolders paths;
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  AddFoldersWithEveryRefusal(editor, paths);
  ASSERT_FALSE(HasFatalFailure());

  // Checking a row unchecks the others; row 0 can be neither edited nor deleted.
  RemoteList folders(editor.Process(), editor.Control(IDC_FOLDER_LIST));
  folders.SetChecked(2, true);
  std::vector<ListRow> rows = folders.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].name, "Work");
  EXPECT_EQ(rows[2].path, paths.photos);
  EXPECT_FALSE(rows[0].checked);
  EXPECT_TRUE(rows[2].checked);
  folders.Select(0);
  EXPECT_FALSE(editor.Enabled(IDC_FOLDER_EDIT));
  EXPECT_FALSE(editor.Enabled(IDC_FOLDER_DELETE));
  folders.SetChecked(1, true);
  EXPECT_FALSE(folders.Rows()[2].checked);
  ASSERT_TRUE(editor.Apply());
  IniFile ini = Settings();
  EXPECT_EQ(ini.Value("Option", "FolderList"), "Work%写真%");
  EXPECT_EQ(ini.Value("Option", "DefaultDataFolder"), "Work");
  EXPECT_EQ(Sorted(ini.Section("DataFolder")),
            Sorted({{"Work", paths.work}, {"写真", paths.photos}}));

  EditAndDeleteFolders(editor, paths);
  ASSERT_FALSE(HasFatalFailure());
  editor.Press(PSBTN_OK);
  ASSERT_EQ(editor.WaitForExit(), 0);

  SheetDriver again;
  ASSERT_TRUE(again.WaitForSheet());
  rows = RemoteList(again.Process(), again.Control(IDC_FOLDER_LIST)).Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_TRUE(rows[0].checked);
  EXPECT_EQ(rows[1].name, "写真");
  EXPECT_EQ(rows[1].path, paths.created);
  EXPECT_FALSE(rows[1].checked);
}

// Deleting the "mag" row leaves an empty value: an absent key would mean the shipped viewer.
TEST_F(OptionTest, PluginsRoundTripThroughTheFileAndADeletedMagRowMeansNoViewer) {
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  editor.ShowPage(kPluginPage);
  HWND dialog = OpenEntryDialog(editor, IDC_PLUGIN_ADD, kPluginDialog);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(SubmitEntry(dialog, "", "C:\\ImagePane.dll"),
            "拡張子が入力されていません。\n拡張子を指定してください。");
  EXPECT_EQ(SubmitEntry(dialog, "m%g", nullptr),
            "拡張子に % は使用できません。\n別の拡張子を指定してください。");
  EXPECT_EQ(SubmitEntry(dialog, "mag", ""),
            "プラグインのパス名が入力されていません。\nパス名を指定してください。");
  EXPECT_EQ(SubmitEntry(dialog, "mag", "C:\\ImagePane.dll"), "");
  dialog = OpenEntryDialog(editor, IDC_PLUGIN_ADD, kPluginDialog);
  EXPECT_EQ(SubmitEntry(dialog, "MAG", "other.dll"),
            "この拡張子のプラグインは既に登録されています。\nパス名を変えるときは編集を使用してくだ"
            "さい。");
  EXPECT_EQ(SubmitEntry(dialog, "pic", "pic.dll"), "");
  EXPECT_TRUE(editor.Enabled(IDC_PLUGIN_EDIT));
  ASSERT_TRUE(editor.Apply());
  EXPECT_EQ(Settings().Value("Option", "PluginList"), "mag%pic%");
  EXPECT_EQ(Sorted(Settings().Section("Plugin")),
            Sorted({{"mag", "C:\\ImagePane.dll"}, {"pic", "pic.dll"}}));

  RemoteList plugins(editor.Process(), editor.Control(IDC_PLUGIN_LIST));
  plugins.Select(0);
  dialog = OpenEntryDialog(editor, IDC_PLUGIN_EDIT, kPluginDialog);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(SubmitEntry(dialog, nullptr, "D:\\viewer\\ImagePane.dll"), "");
  plugins.Select(1);
  editor.Run(IDC_PLUGIN_DELETE);
  ASSERT_TRUE(editor.Apply());
  EXPECT_EQ(Settings().Value("Option", "PluginList"), "mag%");
  EXPECT_EQ(Settings().Section("Plugin"), (IniSection{{"mag", "D:\\viewer\\ImagePane.dll"}}));

  plugins.Select(0);
  editor.Run(IDC_PLUGIN_DELETE);
  EXPECT_TRUE(plugins.Rows().empty());
  EXPECT_FALSE(editor.Enabled(IDC_PLUGIN_EDIT));
  ASSERT_TRUE(editor.Apply());
  EXPECT_FALSE(Settings().Has("Option", "PluginList"));
  EXPECT_EQ(Settings().Section("Plugin"), (IniSection{{"mag", ""}}));
}
