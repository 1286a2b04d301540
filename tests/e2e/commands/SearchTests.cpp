// Searching all memos and listing the links to a memo, from the menus: the results come in
// a memo window of their own, a result opens with its match selected, and the links to the
// memo shown list the memos that hold them.
#include <gtest/gtest.h>

#include <string>

#include "CommandTest.h"
#include "DialogControls.h"
#include "GlobalBlocks.h"
#include "KVProfile.h"
#include "KeyboardInput.h"
#include "MemoBuilder.h"
#include "Poll.h"
#include "ProcessWindows.h"
#include "Screenshots.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

class SearchCommands : public CommandTest {
 protected:
  // Waits for a memo window no known process shows whose title holds the text.
  HWND WaitForWindowTitled(std::set<DWORD>* known, const std::string& text) {
    HWND found = nullptr;
    WaitUntil([&] {
      for (HWND window : MemoWindowsExcept(*known))
        if (WindowTitle(window).find(text) != std::string::npos) found = window;
      return found != nullptr;
    });
    if (found) known->insert(ProcessOf(found));
    for (HWND window : MemoWindowsExcept(*known))
      ADD_FAILURE() << "other window: " << WindowTitle(window);
    return found;
  }
  // The results memo's text once its search has filled it (its first line says how many).
  static std::string ResultsText(HWND results, const std::string& heading) {
    std::string text;
    KeyboardInput keys(results);
    WaitUntil([&] {
      if (!keys.Focus()) return false;
      text = ShownText(keys);
      return text.find(heading) != std::string::npos;
    });
    return text;
  }
};

TEST_F(SearchCommands, FindsWordsInAllMemosOpensAResultOnItsMatchAndListsLinksToAMemo) {
  const std::string data = DataFolder() + "20261201\\";
  CreateDirectoryA(KVGetFolders().app, nullptr);
  CreateDirectoryA(KVGetFolders().data, nullptr);
  CreateDirectoryA(data.c_str(), nullptr);
  const std::string plan = data + "plan.kvm";
  const std::string hub = data + "hub.kvm";
  ASSERT_TRUE(MemoBuilder().Text("予定表\n来週の会議室を予約する\n").Name("予定").Save(plan));
  ASSERT_TRUE(MemoBuilder().Text("目次\n").Link(plan).Text("\n会議室は別").Save(hub));
  ASSERT_TRUE(MemoBuilder().Text("関係のないメモ").Save(data + "other.kvm"));
  MemoProcess& memo = OpenWithKeys(hub);
  ASSERT_TRUE(memo.Window());

  // 編集 > 全メモを検索: the dialog takes the words.
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'E'));
  Keys().Press('G');
  HWND dialog = WaitForDialog(memo.Id(), "全メモを検索");
  ASSERT_NE(nullptr, dialog);
  ASSERT_TRUE(Checked(dialog, IDC_SEARCH_ALL_FOLDERS));
  SetControlText(dialog, IDC_SEARCH_WORDS, "会議室");
  ASSERT_TRUE(PressAndWait(dialog, IDOK));
  DropKeys();
  std::set<DWORD> known = Started();
  HWND results = WaitForWindowTitled(&known, "検索: 会議室");
  ASSERT_NE(nullptr, results) << "no results window";
  std::string text = ResultsText(results, "「会議室」を含むメモ 2 件 (新しい順)");
  EXPECT_NE(std::string::npos, text.find("予定\r\n    2: 来週の会議室を予約する")) << text;
  EXPECT_NE(std::string::npos, text.find("hub.kvm\r\n    3: 会議室は別")) << text;
  EXPECT_EQ(std::string::npos, text.find("other")) << text;
  TakeShot("search-results");

  // The caret on the link to the memo named 予定 (line 3 or 6, whichever is first):
  // Ctrl+Enter opens it with the match selected.
  {
    KeyboardInput keys(results);
    ASSERT_TRUE(keys.Focus());
    keys.Press(VK_HOME, true);
    const bool planFirst = text.find("予定") < text.find("hub.kvm");
    for (int i = 0; i < (planFirst ? 2 : 5); ++i) keys.Press(VK_DOWN);
    keys.Press(VK_RETURN, true);
    keys.Settle();
  }
  HWND opened = WaitForWindowTitled(&known, "予定");
  ASSERT_NE(nullptr, opened) << "the result opened no memo window";
  KeyboardInput keys(opened);
  ASSERT_TRUE(keys.Focus());
  keys.Press('B', true);
  keys.Settle();
  EXPECT_EQ("会議室", ClipboardText()) << "the match is selected in the memo opened";

  // ﾘﾝｸ > このメモへのﾘﾝｸ of the opened memo lists the hub, with the link's line.
  ASSERT_NE(nullptr, OpenMenu(ProcessOf(opened), 'L'));
  keys.Press('B');
  HWND links = WaitForWindowTitled(&known, "リンク元: plan.kvm");
  ASSERT_NE(nullptr, links) << "no window of the links to the memo";
  text = ResultsText(links, "「plan.kvm」へリンクしているメモ 1 件 (新しい順)");
  EXPECT_NE(std::string::npos, text.find("hub.kvm\r\n    2: plan")) << text;
  TakeShot("search-backlinks");

  // A results memo closes without a question, and its process ends.
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, ProcessOf(links));
  ASSERT_NE(nullptr, process);
  Close(links);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, kWaitMs));
  CloseHandle(process);
}

}  // namespace
