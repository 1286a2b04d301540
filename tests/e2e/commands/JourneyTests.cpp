// A person's day with the editor, one scenario each: a memo written in Japanese, formatted,
// linked, opened in place, printed, saved and opened again; hostile data from another
// program pasted and dropped.
#include <shlobj.h>

#include <cstring>

#include "ClipboardFormats.h"
#include "CommandTest.h"
#include "DialogControls.h"
#include "DriverDragSource.h"
#include "FontBounds.h"
#include "GlobalDataObject.h"
#include "KVProfile.h"
#include "MemoBuilder.h"
#include "MemoLayout.h"
#include "MouseInput.h"
#include "SavedMemo.h"
#include "Screenshots.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "WindowQuery.h"

namespace {

// Controls of the platform's font dialog.
const int kFaceBox = 1136;
const int kFontSizeBox = 1138;
const int kScriptBox = 1140;
const RECT kOtherProgram = {kMemoPlace.right + 40, kMemoPlace.top, kMemoPlace.right + 300,
                            kMemoPlace.top + 200};
const POINT kOtherProgramCentre = {kMemoPlace.right + 170, kMemoPlace.top + 100};

// Memo data of the text in the face as another program could put it on the clipboard, its
// font made absurd: a height, width and escapement that GDI cannot draw.
std::string MemoDataWithAbsurdFonts(const char* text, const char* face) {
  KVDocText doc;
  const LOGFONT font = MemoFont(face, -16);
  doc.Insert(StrToList(text, RGB(0, 0, 255), &font));
  doc.SelectAll();
  HGLOBAL block = doc.GetSelData(KVGetClipboardFormats().dataBus);
  if (!block) return "";
  std::string bytes = BytesOf(block);
  GlobalFree(block);
  const size_t faceOffset = offsetof(LOGFONTA, lfFaceName);
  for (size_t at = bytes.find(face); at != std::string::npos; at = bytes.find(face, at + 1)) {
    if (at < faceOffset) continue;
    LOGFONTA font;
    std::memcpy(&font, &bytes[at - faceOffset], faceOffset);
    font.lfHeight = 65505;
    font.lfWidth = -786432;
    font.lfEscapement = 65535;
    font.lfOrientation = -65535;
    font.lfWeight = 123456;
    std::memcpy(&bytes[at - faceOffset], &font, faceOffset);
  }
  return bytes;
}

// A file list whose header sends the reader far past its block.
DataBlock LyingFileList(const std::string& path) {
  DataBlock list = FileListBlock({path});
  DROPFILES header;
  std::memcpy(&header, list.bytes.data(), sizeof header);
  header.pFiles = 0x7FFFFFF0;
  std::memcpy(&list.bytes[0], &header, sizeof header);
  return list;
}

}  // namespace

using Journeys = CommandTest;

TEST_F(Journeys, JapaneseMemoFormattedLinkedOpenedInPlacePrintedSavedAndReopened) {
  SetSetting("Option", "UseFileSaveDialog", 0);
  SetSetting("Option", "UseDataFolderDialog", 0);
  const std::string path = Folder() + "journey.kvm";
  const std::string linked = DataFolder() + "00000000.kvm";
  MemoProcess& memo = OpenWithKeys();
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();

  // A heading coloured through the colour dialog, a body line in 20-point ＭＳ 明朝 through
  // the font dialog, a line that becomes a memo of its own, and a path that becomes a link.
  keys.Type("会議メモ\n本文の行\n別のメモへ\nC:\\windows\\win.ini");
  keys.Press(VK_HOME, false, true);
  keys.Press('M', true);
  SelectFromStart(keys, 0);
  keys.Press(VK_END, false, true);
  ASSERT_TRUE(ColourWithFirstBasicColour(memo, keys)) << "no colour dialog, or it stayed";
  keys.Press(VK_DOWN);
  keys.Press(VK_HOME);
  keys.Press(VK_END, false, true);
  keys.Press('H', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no font dialog";
  HWND font = DialogsOf(memo.Id())[0];
  EXPECT_EQ("ＭＳ Ｐゴシック", ControlText(font, kFaceBox));
  EXPECT_EQ("10", ControlText(font, kFontSizeBox));
  EXPECT_EQ("日本語", ControlText(font, kScriptBox));
  // A Japanese face with the western script picked after it still writes Shift-JIS.
  ASSERT_TRUE(ChooseComboItem(font, kFaceBox, "ＭＳ 明朝"));
  ASSERT_TRUE(ChooseComboItem(font, kScriptBox, "欧文"));
  ASSERT_TRUE(ChooseComboItem(font, kFontSizeBox, "20"));
  PressButton(font, IDOK);
  ASSERT_TRUE(WaitForNoDialog(memo.Id()));
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));

  // The third line goes into a numbered memo (Ctrl+L), opened in place from the link menu.
  keys.Press(VK_DOWN);
  keys.Press(VK_HOME);
  keys.Press(VK_END, false, true);
  keys.Press('L', true);
  ASSERT_TRUE(WaitUntil([&] { return MemoLayout(linked).Loaded(); })) << linked;
  EXPECT_EQ("別のメモへ", MemoLayout(linked).Text());
  keys.Press(VK_LEFT, false, true);
  ASSERT_NE(nullptr, OpenMenu(memo.Id(), 'L'));
  keys.Press('O');
  ASSERT_TRUE(keys.Settle());
  TakeShot("journey-memo");

  // Printed before it was ever saved, and the unsaved memo lives on. (What the
  // pages show is checked with the PDF tools by the library's print checks.)
  const std::string pdf = PdfOfJob("無題");
  DeleteFileA(pdf.c_str());
  keys.Press('P', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no page setup";
  PressButton(DialogsOf(memo.Id())[0], IDOK);
  ASSERT_TRUE(WaitUntil([&] { return IsWholePdf(ReadWholeFile(pdf)); }, 60000))
      << "no PDF at " << pdf;
  ASSERT_TRUE(memo.Running()) << "printing ended the editor";

  // Saved under a name of the person's choice, closed, and opened again as it was.
  SetSetting("Option", "UseFileSaveDialog", 1);
  ASSERT_TRUE(ReturnTo(keys, memo.Window()));
  keys.Press('S', true);
  ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) << "no save dialog";
  AnswerFileDialog(DialogsOf(memo.Id())[0], path);
  ASSERT_TRUE(WaitUntil([&] { return MemoLayout(path).Loaded(); })) << path;
  Close(memo.Window());
  ASSERT_TRUE(memo.WaitForExit()) << "the saved memo asked again on close";

  const std::vector<StyledChar> chars = SavedMemo(path).Chars();
  MemoLayout saved(path);
  EXPECT_EQ("会議メモ\n本文の行\n@\n@", saved.Text());
  ASSERT_EQ(2u, saved.Links().size());
  EXPECT_EQ(0, _stricmp(linked.c_str(), saved.Links()[0].linkPath.c_str()))
      << saved.Links()[0].linkPath;
  EXPECT_GT(saved.Links()[0].rect.bottom - saved.Links()[0].rect.top,
            saved.Links()[1].rect.bottom - saved.Links()[1].rect.top)
      << "the memo link is not open in place";
  ASSERT_GE(chars.size(), 9u);
  EXPECT_EQ(RGB(255, 128, 128), chars[0].color);
  EXPECT_EQ(RGB(0, 0, 0), chars[5].color);
  EXPECT_LT(chars[5].height, chars[0].height) << "the body line is not in the larger font";
  EXPECT_EQ("ＭＳ Ｐゴシック", chars[0].face);
  EXPECT_EQ("ＭＳ 明朝", chars[5].face);
  for (const StyledChar& c : chars) EXPECT_EQ(SHIFTJIS_CHARSET, c.charSet);

  MemoProcess& again = OpenWithKeys(path);
  ASSERT_TRUE(again.Window());
  EXPECT_EQ("会議メモ\r\n本文の行\r\n", ShownText(Keys()).substr(0, 20));
}

TEST_F(Journeys, HostileDataFromAnotherProgramIsPastedAndDroppedWithoutHarm) {
  const std::string path = Folder() + "hostile.kvm";
  const std::string target = Folder() + "target.txt";
  ASSERT_TRUE(WriteWholeFile(target, "target"));
  ASSERT_TRUE(MemoBuilder().Text("keep this").Save(path));
  MemoProcess& memo = OpenWithKeys(path);
  ASSERT_TRUE(memo.Window());
  KeyboardInput& keys = Keys();
  keys.Press(VK_END, true);

  // Memo data with fonts GDI cannot draw: pasted, drawn and saved within sane sizes.
  const std::string absurd = MemoDataWithAbsurdFonts("absurd", "ＭＳ 明朝");
  ASSERT_FALSE(absurd.empty());
  PutOnClipboard(KVGetClipboardFormats().dataBus, absurd);
  keys.Press('V', true);
  ASSERT_TRUE(keys.Settle());
  InvalidateRect(memo.View(), nullptr, TRUE);
  ASSERT_TRUE(Answers(memo.Window())) << "drawing the pasted fonts froze the editor";

  // A file list whose offset lies, pasted and then dropped by another program.
  const DataBlock lying = LyingFileList(target);
  PutOnClipboard(CF_HDROP, lying.bytes);
  keys.Press('V', true);
  ASSERT_TRUE(keys.Settle());
  ASSERT_TRUE(memo.Running()) << "pasting a lying file list ended the editor";
  {
    DriverDragSource other(kOtherProgram, {lying});
    ASSERT_TRUE(other.Window() && other.Front());
    MouseInput::Drag(kOtherProgramCentre, ScreenPoint(memo.View(), {100, 200}));
    other.WaitForDragEnd();
  }
  ASSERT_TRUE(memo.Running()) << "dropping a lying file list ended the editor";

  ASSERT_TRUE(keys.Focus());
  keys.Press(VK_END, true);
  keys.Type(" still here");
  EXPECT_EQ("keep thisabsurd still here", SavedText(keys, path));
  for (const StyledChar& c : SavedMemo(path).Chars()) {
    EXPECT_LE(std::abs(c.height), kFontMaxCell) << "an absurd height was kept";
  }
}
