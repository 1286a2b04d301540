// The file commands: a new memo and exit with its question, help through the shell, the
// status bar switched off and on, save as text, the document's properties, save as in
// data-folder mode, close all, and printing through the page setup to the PDF queue.
#include "CommandTest.h"
#include "DialogControls.h"
#include "KVProfile.h"
#include "MemoBuilder.h"
#include "MemoLayout.h"
#include "ProcessWindows.h"
#include "Screenshots.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

const int kDocumentTitle = 2006;

HWND StatusBarOf(HWND frame) { return ChildOfClass(frame, "msctls_statusbar32"); }

// The help memo where Help looks for it, made for the test when the build has none yet.
class HelpMemo {
 public:
  HelpMemo() {
    const std::string program = MemoProcess::ProgramPath();
    folder_ = program.substr(0, program.find_last_of('\\') + 1) + "help";
    path_ = folder_ + "\\help.kvm";
    if (FileExists(path_)) return;
    madeFolder_ = CreateDirectoryA(folder_.c_str(), nullptr) != 0;
    made_ = MemoBuilder().Text("help").Name("ヘルプ").Save(path_);
  }
  ~HelpMemo() {
    if (made_) DeleteFileA(path_.c_str());
    if (madeFolder_) RemoveDirectoryA(folder_.c_str());
  }
  bool Made() const { return made_; }

 private:
  std::string folder_;
  std::string path_;
  bool made_ = false;
  bool madeFolder_ = false;
};

}  // namespace

class FileCommands : public CommandTest {
 protected:
  void SetUp() override {
    CommandTest::SetUp();
    // Moved windows close without asking; new memos get numbered names without dialogs.
    SetSetting("Option", "SaveWindowInfo", 0);
    SetSetting("Option", "UseFileSaveDialog", 0);
    SetSetting("Option", "UseDataFolderDialog", 0);
  }
  MemoProcess& Open() {
    path_ = Folder() + "file.kvm";
    EXPECT_TRUE(MemoBuilder().Text("line one\nline two").Save(path_));
    return OpenWithKeys(path_);
  }

  std::string path_;
};

TEST_F(FileCommands, NewMemoComesInAProcessOfItsOwnAndExitThereAsksAsClosingDoes) {
  ASSERT_TRUE(Open().Window());
  Keys().Press('N', true);
  HWND fresh = WaitForOtherMemoWindow(Started());
  ASSERT_NE(nullptr, fresh) << "Ctrl+N opened no memo window";
  EXPECT_EQ(kUntitledTitle, WindowTitle(fresh));
  DropKeys();
  KeyboardInput keys(fresh);
  ASSERT_TRUE(keys.Focus());
  keys.Type("x");
  keys.Press('E', true);
  HWND question = WaitForDialog(ProcessOf(fresh), "KVMemo");
  ASSERT_NE(nullptr, question) << "Ctrl+E on a changed memo did not ask";
  EXPECT_EQ(kSavePrompt, DialogText(question));
  PressButton(question, IDNO);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(fresh); })) << "No did not end the new memo";
}

TEST_F(FileCommands, HelpOpensThroughTheShellAndTheStatusBarGoesAndComesBack) {
  MemoProcess& memo = Open();
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  {
    HelpMemo help;
    keys.Press(VK_F1);
    HWND opened = WaitForOtherMemoWindow(Started());
    ASSERT_NE(nullptr, opened) << "F1 opened no memo window";
    if (help.Made()) {
      EXPECT_EQ("KVMemo - ヘルプ", WindowTitle(opened));
    }
    EndProcessOf(opened);
  }
  ASSERT_TRUE(keys.Focus());

  // View > status bar hides the bar and remembers it, and shows it again.
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'V'));
  keys.Press('S');
  ASSERT_TRUE(keys.Settle());
  EXPECT_FALSE(IsWindowVisible(StatusBarOf(memo.Window())));
  EXPECT_EQ(0u, KVGetProfileInt("Option", "ViewStatusBar", 1));
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'V'));
  keys.Press('S');
  ASSERT_TRUE(keys.Settle());
  EXPECT_TRUE(IsWindowVisible(StatusBarOf(memo.Window())));
  EXPECT_EQ(1u, KVGetProfileInt("Option", "ViewStatusBar", 0));
}

TEST_F(FileCommands, SaveAsTextPropertiesAndSaveAsInDataFolderMode) {
  MemoProcess& memo = Open();
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // File > save as text writes the text and leaves the memo as it was.
  const std::string text = Folder() + "file.txt";
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'F'));
  keys.Press('T');
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no save dialog";
  AnswerFileDialog(DialogsOf(memo.Id())[0], text);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(text) == "line one\r\nline two"; }))
      << ReadWholeFile(text);
  EXPECT_EQ("KVMemo - file.kvm", memo.Title());

  // File > properties: a new document name goes into the title.
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'F'));
  keys.Press('Z');
  HWND properties = WaitForDialog(memo.Id(), "ファイルのプロパティ");
  ASSERT_NE(nullptr, properties) << "no document properties";
  SetControlText(properties, kDocumentTitle, "題名");
  TakeShot("document-properties");
  PressButton(properties, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return memo.Title() == "KVMemo - 題名"; })) << memo.Title();

  // File > save as, in data-folder mode: the next numbered memo, without asking.
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'F'));
  keys.Press('A');
  const std::string saved = DataFolder() + "00000000.kvm";
  ASSERT_TRUE(WaitUntil([&] { return MemoLayout(saved).Loaded(); })) << saved;
  EXPECT_EQ("line one\nline two", MemoLayout(saved).Text());
  EXPECT_EQ("題名", MemoLayout(saved).Name());
  EXPECT_TRUE(DialogsOf(memo.Id()).empty());
}

TEST_F(FileCommands, CloseAllEndsEveryMemoWindow) {
  const std::string other = Folder() + "other.kvm";
  ASSERT_TRUE(MemoBuilder().Text("other").Save(other));
  MemoProcess& second = OpenMemo(other);
  ASSERT_TRUE(second.Window());
  MemoProcess& memo = Open();
  ASSERT_TRUE(memo.Window());
  Keys().Press('Q', true);
  EXPECT_TRUE(memo.WaitForExit()) << "Ctrl+Q left this memo open";
  EXPECT_TRUE(second.WaitForExit()) << "Ctrl+Q left the other memo open";
}

using Printing = CommandTest;

TEST_F(Printing, CtrlPPrintsThroughThePageSetupToAPdfNamedAfterTheFile) {
  // The job's whole name is the PDF's title.
  const std::string pdf = PdfOfJob("printme");
  DeleteFileA(pdf.c_str());
  const std::string path = Folder() + "printme.kvm";
  ASSERT_TRUE(MemoBuilder().Text("printed line one\nprinted line two").Save(path));
  MemoProcess& memo = OpenMemo(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());

  // The page setup comes first; OK prints on the default printer, the PDF queue.
  keys.Press('P', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no page setup";
  TakeShot("page-setup");
  PressButton(DialogsOf(memo.Id())[0], IDOK);
  ASSERT_TRUE(WaitUntil([&] { return IsWholePdf(ReadWholeFile(pdf)); }, 60000))
      << "no PDF at " << pdf;
  EXPECT_NE(std::string::npos, ReadWholeFile(pdf).find("/Title(KVMemo - printme.kvm)"));
}
