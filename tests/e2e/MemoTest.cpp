// The base of the end-to-end tests: default settings, a fresh folder for each test's files,
// and the memo processes it starts, all ended when the test ends.
#include "MemoTest.h"

#include "KVProfile.h"
#include "KeyboardInput.h"
#include "PromptBox.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

const char kSavePrompt[] =
    "編集中のデータがまだ保存されていません。\n変更されたデータをファイルへ保存しますか？";
const char kUntitledTitle[] = "KVMemo - 無題";

std::string RectText(const RECT& rect) {
  return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

void MemoTest::SetUp() {
  ResetSettings();
  RemoveTree(DataFolder());
  // A test that ended its windows hard leaves recovery copies, which the next start offers.
  RemoveTree(std::string(KVGetFolders().config) + "\\Recovery");
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  folder_ = FreshFolder(std::string(test->test_suite_name()) + "." + test->name());
}

void MemoTest::TearDown() { processes_.clear(); }

MemoProcess& MemoTest::Launch(const std::string& argument) {
  processes_.push_back(std::make_unique<MemoProcess>(argument));
  return *processes_.back();
}

void MemoTest::Command(HWND frame, WORD id) { PostMessageA(frame, WM_COMMAND, id, 0); }

void MemoTest::Close(HWND frame) { PostMessageA(frame, WM_CLOSE, 0, 0); }

bool MemoTest::SaveAsksForAName(HWND frame) {
  KeyboardInput keys(frame);
  if (!keys.Focus()) return false;
  keys.Press('S', true);
  PromptBox dialog(frame);
  return dialog.Found() && dialog.Answer(IDCANCEL);
}

RECT MemoTest::Place(HWND frame, int x, int y, int width, int height) {
  SetWindowPos(frame, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return ScreenRect(frame);
}
