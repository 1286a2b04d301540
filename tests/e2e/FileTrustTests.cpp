// Trusting what is on disk: a memo read only in part never goes back over its file, a file
// changed behind the memo's back is overwritten only when the user says so, and failures
// name the file and the system's reason.
#include <sstream>
#include <utility>

#include "KeyboardInput.h"
#include "MemoBuilder.h"
#include "MemoTest.h"
#include "PromptBox.h"
#include "SavedMemo.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

const char kCannotRead[] = "ファイルからデータを読み取れませんでした。";
const char kCannotWrite[] = "ファイルにデータを書き込めませんでした。";
const char kNoReason[] = "原因はわかりませんでした。";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// Answers the error box and checks its lines: the program's words, the file, a reason.
void ExpectFileMessage(PromptBox& box, const char* first, const std::string& path) {
  ASSERT_TRUE(box.Found()) << "no message about " << path;
  std::vector<std::string> lines = Lines(box.Text());
  ASSERT_GE(lines.size(), 3u) << box.Text();
  EXPECT_EQ(first, lines[0]);
  EXPECT_EQ(path, lines[1]);
  EXPECT_FALSE(lines[2].empty());
  EXPECT_NE(kNoReason, lines[2]);
  EXPECT_TRUE(box.Answer(IDOK));
}

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], wide.size()) - 1);
  return wide;
}

}  // namespace

using FileTrust = MemoTest;

TEST_F(FileTrust, AMemoReadInPartIsReportedAndItsFileIsNeverWrittenOver) {
  const std::string path = Folder() + "damaged.kvm";
  std::string text;
  for (int line = 0; line < 40; ++line) text += "壊れたメモの一行\n";
  ASSERT_TRUE(MemoBuilder().Text(text).Name("壊れたメモ").Save(path));
  const std::string whole = ReadWholeFile(path);
  std::string flipped = whole;
  std::swap(flipped[0], flipped[1]);
  std::string newer = whole;
  newer[6] = 0x01;  // version 513
  const std::pair<const char*, std::string> damages[] = {
      {"flipped head", flipped},
      {"cut in the middle", whole.substr(0, whole.size() / 2)},
      {"newer version", newer},
      {"stray bytes after the end", whole + std::string("\xE6\xFF\x10\x00\x00\x00", 6)},
  };
  for (const auto& damage : damages) {
    SCOPED_TRACE(damage.first);
    ASSERT_TRUE(WriteWholeFile(path, damage.second));
    MemoProcess& memo = Launch(path);
    PromptBox report = PromptBox::OfProcess(memo.Id());
    ExpectFileMessage(report, kCannotRead, path);
    ASSERT_TRUE(memo.WaitForWindow());
    EXPECT_EQ(kUntitledTitle, memo.Title());
    EXPECT_TRUE(SaveAsksForAName(memo.Window())) << "Ctrl+S showed no save-file dialog";
    EXPECT_EQ(damage.second, ReadWholeFile(path));
  }

  // An empty memo file holds nothing to lose: it opens as an empty memo with its path.
  ASSERT_TRUE(WriteWholeFile(path, ""));
  MemoProcess& empty = Launch(path);
  ASSERT_TRUE(empty.WaitForWindow());
  EXPECT_EQ(nullptr, OwnedDialog(empty.Window()));
  KeyboardInput keys(empty.Window());
  ASSERT_TRUE(keys.Focus());
  keys.Type("new");
  keys.Press('S', true);
  EXPECT_TRUE(WaitUntil([&] { return SavedMemo(path).Text() == "new"; }));
}

TEST_F(FileTrust, SavingOverAFileChangedOnDiskAsksFirst) {
  const std::string path = Folder() + "twin.kvm";
  ASSERT_TRUE(MemoBuilder().Text("最初").Save(path));
  MemoProcess& memo = Launch(path);
  ASSERT_TRUE(memo.WaitForWindow());
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());
  keys.Type("a");
  ASSERT_TRUE(MemoBuilder().Text("外で書いた").Save(path));  // as another window's save

  keys.Press('S', true);
  PromptBox refuse(memo.Window());
  ASSERT_TRUE(refuse.Found()) << "the save went over the changed file without asking";
  EXPECT_EQ(path, Lines(refuse.Text()).at(1));
  EXPECT_TRUE(refuse.Answer(IDNO));
  EXPECT_EQ("外で書いた", SavedMemo(path).Text());

  ASSERT_TRUE(keys.Focus());
  keys.Press('S', true);
  PromptBox overwrite(memo.Window());
  ASSERT_TRUE(overwrite.Found());
  EXPECT_TRUE(overwrite.Answer(IDYES));
  // Read only once the save is over: a reader holding the file open makes the save fail.
  ASSERT_TRUE(keys.Focus());
  EXPECT_EQ("a最初", SavedMemo(path).Text());

  // The memo's own save is no change behind its back: the next save does not ask.
  keys.Type("b");
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  EXPECT_EQ(nullptr, OwnedDialog(memo.Window()));
  EXPECT_EQ("ab最初", SavedMemo(path).Text());
}

TEST_F(FileTrust, FailuresNameTheFileAndTheSystemsReason) {
  // A save into a data folder that is gone.
  SetSetting("Option", "UseFileSaveDialog", 0);
  SetSetting("Option", "UseDataFolderDialog", 0);
  MemoProcess& memo = Launch();
  ASSERT_TRUE(memo.WaitForWindow());
  RemoveTree(DataFolder());
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());
  keys.Type("x");
  keys.Press('S', true);
  PromptBox writeFailure(memo.Window());
  ExpectFileMessage(writeFailure, kCannotWrite, DataFolder() + "00000000.kvm");

  // A folder named on the command line.
  const std::string folder = Folder() + "folder.kvm";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  PromptBox readFailure = PromptBox::OfProcess(Launch(folder).Id());
  EXPECT_EQ("ファイルではなくフォルダです。", Lines(readFailure.Text()).at(2));
  ExpectFileMessage(readFailure, kCannotRead, folder);

  // A file that exists behind a path of 263 bytes, more than the program can name.
  const std::string parent = Folder() + std::string(120, 'd');
  const std::string longPath = parent + "\\" + std::string(262 - parent.size() - 4, 'f') + ".kvm";
  ASSERT_EQ(263u, longPath.size());
  // Made and removed through the wide functions: the narrow ones cannot name it.
  const std::wstring wideParent = L"\\\\?\\" + Wide(parent);
  const std::wstring wideFile = L"\\\\?\\" + Wide(longPath);
  CreateDirectoryW(wideParent.c_str(), nullptr);
  HANDLE file = CreateFileW(wideFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  CloseHandle(file);
  PromptBox longFailure = PromptBox::OfProcess(Launch(longPath).Id());
  ASSERT_TRUE(longFailure.Found());
  std::vector<std::string> lines = Lines(longFailure.Text());
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(kCannotRead, lines[0]);
  EXPECT_EQ(longPath, lines[1]);
  char reason[1024] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 ERROR_FILENAME_EXCED_RANGE, 0, reason, sizeof reason, nullptr);
  EXPECT_FALSE(lines[2].empty());
  EXPECT_EQ(0u, std::string(reason).find(lines[2])) << "not the system's words: " << lines[2];
  DeleteFileW(wideFile.c_str());
  RemoveDirectoryW(wideParent.c_str());
}
