// Typing into a memo and saving it: text, colours, fonts and the window's place survive a
// restart.
#include "KeyboardInput.h"
#include "MemoBuilder.h"
#include "MemoTest.h"
#include "SavedMemo.h"
#include "ScreenPixels.h"
#include "WindowQuery.h"

namespace {

const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kBlue = RGB(0, 0, 200);

// Each character of the text with the expected colour and font face.
void ExpectStyled(const std::vector<StyledChar>& chars, size_t from, const std::string& text,
                  COLORREF color, const LOGFONT& font) {
  std::vector<unsigned> codes = CodesOf(text);
  ASSERT_LE(from + codes.size(), chars.size());
  for (size_t i = 0; i < codes.size(); ++i) {
    const StyledChar& c = chars[from + i];
    SCOPED_TRACE(testing::Message() << "character " << from + i);
    EXPECT_EQ(codes[i], c.code);
    EXPECT_EQ(color, c.color);
    EXPECT_EQ(font.lfFaceName, c.face);
    EXPECT_EQ(font.lfHeight, c.height);
  }
}

}  // namespace

using EditAndSave = MemoTest;

TEST_F(EditAndSave, TypedTextColoursFontsAndPlacementSurviveARestart) {
  const LOGFONT gothic = MemoFont("ＭＳ ゴシック", -16);
  const LOGFONT mincho = MemoFont("ＭＳ 明朝", -24);
  const std::string path = Folder() + "edit.kvm";
  ASSERT_TRUE(
      MemoBuilder().Text("ABC", kRed, gothic).Text("xyz", kBlue, mincho).Name("編集").Save(path));

  MemoProcess& memo = Launch(path);
  ASSERT_TRUE(memo.WaitForWindow());
  EXPECT_EQ("KVMemo - 編集", memo.Title());

  // Typed characters take the colour and font of the character at the caret, which starts
  // before "A". A double-byte character is one step of the caret: two steps left from "A"
  // stand before "漢", five steps right from there before "x".
  KeyboardInput keys(memo.Window());
  ASSERT_TRUE(keys.Focus());
  keys.Type("あ漢1");
  for (int i = 0; i < 2; ++i) keys.Press(VK_LEFT);
  keys.Type("-");
  for (int i = 0; i < 5; ++i) keys.Press(VK_RIGHT);
  keys.Type("い 2");
  const RECT placed = Place(memo.Window(), 140, 90, 520, 380);
  keys.Press('S', true);
  ASSERT_TRUE(keys.Settle());
  ASSERT_TRUE(WaitUntil([&] { return SavedMemo(path).Text() == "あ-漢1ABCい 2xyz"; }))
      << "saved: " << SavedMemo(path).Text();

  // Saved: nothing is left to ask about, so close ends the process without a prompt.
  Close(memo.Window());
  ASSERT_TRUE(memo.WaitForExit()) << "close after a save did not end the process";

  SavedMemo saved(path);
  std::vector<StyledChar> chars = saved.Chars();
  ASSERT_EQ(CodesOf("あ-漢1ABCい 2xyz").size(), chars.size());
  ExpectStyled(chars, 0, "あ-漢1ABC", kRed, gothic);
  ExpectStyled(chars, 7, "い 2xyz", kBlue, mincho);
  EXPECT_EQ("編集", saved.Name());
  EXPECT_EQ(RectText(placed), RectText(saved.Placement().rcNormalPosition));

  MemoProcess& again = Launch(path);
  ASSERT_TRUE(again.WaitForWindow());
  EXPECT_EQ("KVMemo - 編集", again.Title());
  EXPECT_EQ(RectText(placed), RectText(ScreenRect(again.Window())));
  ASSERT_NE(nullptr, again.View());
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixels::OfClient(again.View()).InkPixels() > 100; }))
      << "the restarted window shows no text";
}
