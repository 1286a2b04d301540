// The menus as the running program shows them: which items of the menu bar's pop-ups and
// of the context menu are greyed without a selection, with text or a link selected and in
// a memo without a file; the status-bar text of every command while its item is
// highlighted; the about box.
#include <vector>

#include "CommandTest.h"
#include "DialogControls.h"
#include "MemoBuilder.h"
#include "MenuPixels.h"
#include "MouseInput.h"
#include "Screenshots.h"
#include "WindowQuery.h"

namespace {

struct Popup {
  char mnemonic;
  const char* name;
  std::vector<const char*> statusTexts;  // one per item, top to bottom
  // Greyed ("g") and enabled ("e") items with the caret before a character, nothing
  // selected, nothing to undo or paste, in a memo with a file.
  const char* greyed;
};

const std::vector<Popup> kMenuBar = {
    {'F',
     "file",
     {"新しいKVMemoを作成します", "既存のKVMemoを開きます", "KVMemoを元のﾌｧｲﾙへ保存します",
      "KVMemoを新しいﾌｧｲﾙへ保存します", "ドキュメントをテキストファイルへ保存します",
      "KVMemoを印刷します", "KVMemoのﾌﾟﾛﾊﾟﾃｨを編集します", "KVMemoを終了します",
      "全てのKVMemoを終了します"},
     "eeeeeeeee"},
    {'E',
     "edit",
     {"直前に行った動作を元に戻します", "元に戻した動作をやり直します",
      "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します",
      "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します",
      "選択範囲をﾃｷｽﾄ形式でｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します",
      "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容をKVMemoへ貼り付けます", "KVMemo内のすべてを選択します",
      "選択範囲を消去します", "指定した文字列を検索します",
      "指定した文字列を他の文字列へ置換えます", "パス名やＵＲＬをリンクに変換します",
      "選択範囲をﾌｧｲﾙへ保存し、そのﾌｧｲﾙのﾘﾝｸと置換えます",
      "選択範囲をﾌｧｲﾙへ保存し、そのﾌｧｲﾙのﾘﾝｸと置換えます", "ﾘﾝｸの指すﾌｧｲﾙの内容をﾘﾝｸと置換えます",
      "選択されているｵﾌﾞｼﾞｪｸﾄのﾌﾟﾛﾊﾟﾃｨを編集します"},
     "ggggggeeeegeegg"},
    {'I',
     "insert",
     {"自分のﾘﾝｸを挿入します", "ﾌｧｲﾙのﾘﾝｸを挿入します", "現在の日付を挿入します",
      "現在の時刻を挿入します"},
     "eeee"},
    {'L',
     "link",
     {"ﾘﾝｸを開いて内容を表示します", "ﾘﾝｸを閉じてﾌｧｲﾙの内容を消します",
      "開いているﾘﾝｸ先のﾒﾓをその場で編集します (Shift+Tab か Esc で戻ります)",
      "ﾘﾝｸﾌｧｲﾙを別のｳｨﾝﾄﾞｳで開きます"},
     "gggg"},
    {'C', "char", {"文字の色を変更します", "文字のフォントを変更します"}, "gg"},
    {'V',
     "view",
     {"ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示を切り替えます", "ﾘﾝｸﾌｧｲﾙの表示内容を最新の状態にします"},
     "ee"},
    {'H', "help", {"ﾍﾙﾌﾟを表示します", "KVMemoのﾊﾞｰｼﾞｮﾝや著作権を表示します"}, "ee"},
};

}  // namespace

class Menus : public CommandTest {
 protected:
  // A memo with a file: "abc " and a link, with the keyboard on it; the clipboard empty.
  MemoProcess& Open() {
    const std::string target = Folder() + "target.kvm";
    const std::string path = Folder() + "menus.kvm";
    EXPECT_TRUE(MemoBuilder().Text("linked").Save(target));
    EXPECT_TRUE(MemoBuilder().Text("abc ").Link(target).Save(path));
    EmptyTheClipboard();
    return OpenWithKeys(path);
  }
  // Opens a pop-up of the menu bar, takes its picture and reads which items are greyed.
  std::string Pattern(const MemoProcess& memo, char mnemonic, const std::string& shot) {
    HWND menu = OpenMenu(memo.Id(), mnemonic);
    if (!menu) return "no menu";
    TakeShot(shot);
    std::string pattern = GreyedPattern(menu);
    CloseMenus(Keys(), memo.Id());
    return pattern;
  }
};

TEST_F(Menus, BarPopUpsGreyWhatNeedsASelectionAndShowTheStatusTextOfEachItem) {
  MemoProcess& memo = Open();
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // Caret at the start, nothing selected, nothing to undo or paste. Each pop-up opens with
  // its first item highlighted; Down walks the items and the status bar follows.
  for (const Popup& popup : kMenuBar) {
    SCOPED_TRACE(popup.name);
    HWND menu = OpenMenu(memo.Id(), popup.mnemonic);
    ASSERT_NE(nullptr, menu);
    TakeShot(std::string("menu-") + popup.name);
    const std::string pattern = GreyedPattern(menu);
    for (size_t i = 0; i < popup.statusTexts.size(); ++i) {
      if (i > 0) keys.Press(VK_DOWN);
      EXPECT_TRUE(
          WaitUntil([&] { return StatusText(memo.Window()) == popup.statusTexts[i]; }, 5000))
          << "item " << i << ": " << StatusText(memo.Window());
    }
    CloseMenus(keys, memo.Id());
    EXPECT_TRUE(WaitUntil([&] { return StatusText(memo.Window()) == "ﾚﾃﾞｨ"; }, 5000));
    EXPECT_EQ(popup.greyed, pattern);
  }
}

TEST_F(Menus, SelectedTextAndLinksEnableTheirItems) {
  MemoProcess& memo = Open();
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // Something typed and three characters selected and copied.
  keys.Type("x");
  for (int i = 0; i < 3; ++i) keys.Press(VK_RIGHT, false, true);
  keys.Press('C', true);
  EXPECT_EQ("egeeeeeeeeeeegg", Pattern(memo, 'E', "menu-edit-text-selected"));
  EXPECT_EQ("ee", Pattern(memo, 'C', "menu-char-text-selected"));
  EXPECT_EQ("gggg", Pattern(memo, 'L', "menu-link-text-selected"));

  // The caret before the link, then the link selected.
  keys.Press(VK_END, true);
  keys.Press(VK_LEFT);
  EXPECT_EQ("eggggeeeeegeeee", Pattern(memo, 'E', "menu-edit-at-link"));
  EXPECT_EQ("eege", Pattern(memo, 'L', "menu-link-at-link"));
  keys.Press(VK_RIGHT, false, true);
  EXPECT_EQ("egeeeeeeeegeeee", Pattern(memo, 'E', "menu-edit-link-selected"));
  EXPECT_EQ("eege", Pattern(memo, 'L', "menu-link-link-selected"));
}

TEST_F(Menus, HelpVersionShowsTheAboutBox) {
  MemoProcess& memo = Open();
  ASSERT_TRUE(memo.Window());
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'H'));
  Keys().Press('A');
  HWND about = WaitForDialog(memo.Id(), "KVMemoのﾊﾞｰｼﾞｮﾝ情報");
  ASSERT_NE(nullptr, about) << "no about box";
  EXPECT_EQ("KVMemo for Windows|Version 1.09", DialogText(about));
  EXPECT_NE(nullptr, GetDlgItem(about, IDOK));
  TakeShot("about-box");
  PressButton(about, IDOK);
  EXPECT_TRUE(WaitForNoDialog(memo.Id()));
}

TEST_F(Menus, ContextMenuGreysByTheSameRulesAndAMemoWithoutFileHasNoSelfLinks) {
  EmptyTheClipboard();
  MemoProcess& memo = OpenWithKeys();
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  keys.Type("one two");
  for (int i = 0; i < 3; ++i) keys.Press(VK_LEFT, false, true);
  ASSERT_TRUE(keys.Settle());

  // "two" selected, something to undo, nothing to paste; a right click on its first letter.
  // The context menu holds four sub-menus, then the items from undo to help.
  const RECT caret = CaretRect(memo);
  MouseInput::Click(ScreenPoint(memo.View(), {caret.left + 4, caret.top + 4}), true);
  HWND menu = WaitForPopupMenu(memo.Id());
  ASSERT_NE(nullptr, menu) << "no context menu";
  TakeShot("context-menu-selection");
  EXPECT_EQ(
      "eeee"
      "egeeeg"
      "ee"
      "eegg"
      "g"
      "ee"
      "e",
      GreyedPattern(menu));
  keys.Press(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return PopupMenuOf(memo.Id()) == nullptr; }));
  ASSERT_TRUE(keys.Focus());  // Wine loses the shared key states after a context menu

  EXPECT_EQ("geee", Pattern(memo, 'I', "menu-insert-untitled"));
  EXPECT_EQ("egeeegeeeeeeggg", Pattern(memo, 'E', "menu-edit-untitled"));
}
