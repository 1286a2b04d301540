// The property dialogs driven in-process: what each shows, what OK applies to the object
// and what Cancel leaves, the empty-file-name message, over-long input, and the custom
// colours of the colour buttons. Windows need a display (make test starts one).
#include <gtest/gtest.h>

#include <memory>

#include "DialogDriver.h"
#include "FigureSupport.h"
#include "KVObjBmap.h"
#include "KVObjLink.h"
#include "KVObjRes.h"
#include "PictureSupport.h"

namespace {

// The colour dialog's edits for red, green and blue.
const int kPickerRed = 706, kPickerGreen = 707, kPickerBlue = 708;
// The file-open dialog's file name box.
const int kOpenFileName = 0x47C;

KVObjLink* LinkTo(const std::string& path, const char* caption = nullptr) {
  KVFile file;
  file.Attach(path.c_str());
  return new KVObjLink(caption, file);
}

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  while (count-- > 0) text += piece;
  return text;
}

std::string CustomColors() {
  std::string keys;
  for (int i = 0; i < 16; ++i) {
    char key[16], value[32] = "";
    wsprintfA(key, "Color_%d", i);
    if (KVGetProfileString("CustomColors", key, "", value, sizeof value) > 0)
      keys += std::string(key) + "=" + value + ";";
  }
  return keys;
}

// What the drive saw in the dialog before it changed anything.
struct LinkDialogView {
  int modes = -1, mode = -1;
  bool pathEnabled = false, pathEnabledAfter = true, showPath = false, showExt = false;
  bool border = false, icon = false, headingButton = true, stretchVisible = true;
  std::string heading, docName, fileName;
};

LinkDialogView Look(HWND dialog) {
  LinkDialogView view;
  view.modes = ChoiceCount(dialog, IDC_LINK_CAPTION_MODE);
  view.mode = Chosen(dialog, IDC_LINK_CAPTION_MODE);
  view.pathEnabled = Enabled(dialog, IDC_LINK_SHOW_PATH) && Enabled(dialog, IDC_LINK_SHOW_EXT);
  view.showPath = Checked(dialog, IDC_LINK_SHOW_PATH);
  view.showExt = Checked(dialog, IDC_LINK_SHOW_EXT);
  view.border = Checked(dialog, IDC_LINK_BORDER);
  view.icon = Checked(dialog, IDC_LINK_ICON);
  view.headingButton = Enabled(dialog, IDC_LINK_BROWSE_HEADING);
  view.stretchVisible = IsWindowVisible(GetDlgItem(dialog, IDC_LINK_STRETCH)) != FALSE;
  view.heading = ControlText(dialog, IDC_LINK_HEADING);
  view.docName = ControlText(dialog, IDC_LINK_DOC_NAME);
  view.fileName = ControlText(dialog, IDC_LINK_FILE_NAME);
  return view;
}

// Opens the colour dialog of a button, sets red, green and blue when given, and confirms
// or cancels it.
void PickColour(HWND dialog, int button, bool confirm, COLORREF colour = CLR_INVALID) {
  PressButton(dialog, button);
  HWND picker = WaitForThreadDialog(GetWindowThreadProcessId(dialog, nullptr), dialog);
  if (!picker) return;
  if (colour != CLR_INVALID) {
    SetDlgItemInt(picker, kPickerRed, GetRValue(colour), FALSE);
    SetDlgItemInt(picker, kPickerGreen, GetGValue(colour), FALSE);
    SetDlgItemInt(picker, kPickerBlue, GetBValue(colour), FALSE);
  }
  PressAndWait(picker, confirm ? IDOK : IDCANCEL);
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeConfigFolder();
    RemoveSettingsFile();
    memo = WriteMemo("target.kvm", "", "目標の文書");
    text = TestFolder() + "notes.txt";
    WriteWholeFile(text, "x");
  }
  std::string memo, text;
};

}  // namespace

TEST_F(DialogTest, TheLinkDialogShowsTheLinkAndOKBuildsItsAttributesFromTheControls) {
  std::unique_ptr<KVObjLink> link(LinkTo(memo));
  ASSERT_EQ(0x78000001u, link->m_nAttr);  // icon, file name without path and extension, border
  link->m_crColor = RGB(0, 0, 160);
  link->m_crBackColor = RGB(255, 255, 192);
  LinkDialogView view;
  const std::string heading = "新しい見出し";
  int result = RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    view = Look(dialog);
    Choose(dialog, IDC_LINK_CAPTION_MODE, 1);
    view.pathEnabledAfter = Enabled(dialog, IDC_LINK_SHOW_PATH) || Enabled(dialog, IDC_LINK_SHOW_EXT);
    ReplaceText(dialog, IDC_LINK_HEADING, heading);
    SetChecked(dialog, IDC_LINK_SHOW_EXT, true);  // the path box stays unchecked, disabled
    SetChecked(dialog, IDC_LINK_ICON, false);
    PauseForOnlookers();
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(3, view.modes);  // a memo link offers the title mode too
  EXPECT_EQ(0, view.mode);
  EXPECT_TRUE(view.pathEnabled);
  EXPECT_FALSE(view.pathEnabledAfter);
  EXPECT_FALSE(view.showPath);
  EXPECT_FALSE(view.showExt);
  EXPECT_TRUE(view.border && view.icon);
  EXPECT_FALSE(view.headingButton);
  EXPECT_FALSE(view.stretchVisible);
  EXPECT_EQ("target", view.heading);
  EXPECT_EQ("目標の文書", view.docName);
  EXPECT_EQ(memo, view.fileName);

  EXPECT_EQ(1, result);
  EXPECT_EQ(heading, link->m_strCaption);
  EXPECT_EQ(LA_BORDER | LA_HIDEPATH, link->m_nAttr);
  EXPECT_EQ(heading, [&] {
    char caption[MAX_PATH];
    int written = 0;
    link->GetText(caption, sizeof caption, &written);
    return std::string(caption);
  }());
  EXPECT_EQ(563u + heading.size(), link->m_nDataSize);
  EXPECT_EQ(FT_MEMO, link->FileType());
  EXPECT_EQ(RGB(0, 0, 160), link->m_crColor);
  EXPECT_EQ(RGB(255, 255, 192), link->m_crBackColor);

  // The title mode comes back as the third entry.
  link->m_nAttr = LA_FILENAME | LA_DOCNAME;
  RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    view = Look(dialog);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(2, view.mode);
  EXPECT_FALSE(view.pathEnabled);
  EXPECT_EQ(LA_FILENAME | LA_DOCNAME, link->m_nAttr);  // both boxes were checked
}

TEST_F(DialogTest, CancelLeavesTheLinkAsItWasAndAnImageLinkOffersTwoModes) {
  std::unique_ptr<KVObjLink> link(LinkTo(TestFolder() + "picture.gif"));
  link->m_nAttr = LA_FILENAME | LA_DOCNAME | LA_ICON;  // a title mode the list does not offer
  const std::string caption = link->m_strCaption;
  LinkDialogView view;
  int result = RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    view = Look(dialog);
    ReplaceText(dialog, IDC_LINK_HEADING, "changed");
    ReplaceText(dialog, IDC_LINK_FILE_NAME, text);
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(0, result);
  EXPECT_EQ(2, view.modes);
  EXPECT_EQ(0, view.mode);  // the nearest offered mode
  EXPECT_EQ(caption, link->m_strCaption);
  EXPECT_EQ(LA_FILENAME | LA_DOCNAME | LA_ICON, link->m_nAttr);
  EXPECT_EQ(FT_IMAGE, link->FileType());
}

TEST_F(DialogTest, AnEmptyFileNameIsRefusedAndANewOneAttachesTheLinkAgain) {
  std::unique_ptr<KVObjLink> link(LinkTo(memo));
  link->Open();
  ASSERT_TRUE(link->m_pChild);
  std::string message;
  bool stayedOpen = false;
  int result = RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    ReplaceText(dialog, IDC_LINK_FILE_NAME, "");
    PressButton(dialog, IDOK);
    HWND box = WaitForThreadDialog(GetWindowThreadProcessId(dialog, nullptr), dialog);
    if (!box) return;
    message = MessageText(box);
    PressAndWait(box, IDOK);
    stayedOpen = IsWindowVisible(dialog) != FALSE;
    ReplaceText(dialog, IDC_LINK_FILE_NAME, text);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ("ファイル名が入力されていません。", message);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(1, result);
  EXPECT_EQ(FT_TEXT, link->FileType());
  EXPECT_STREQ(text.c_str(), link->m_szPath);
  EXPECT_STREQ("", link->m_szDocName);  // a text file has no title
  EXPECT_EQ(nullptr, link->m_pChild);   // the old memo no longer shows
  EXPECT_FALSE(link->m_nAttr & LA_OPEN);
}

TEST_F(DialogTest, TheBrowseButtonPutsTheChosenFileIntoTheFileName) {
  std::unique_ptr<KVObjLink> link(LinkTo(memo));
  std::string chosen;
  int result = RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    PressButton(dialog, IDC_LINK_BROWSE_FILE);
    HWND open = WaitForThreadDialog(GetWindowThreadProcessId(dialog, nullptr), dialog);
    if (!open) return;
    SetDlgItemTextA(open, kOpenFileName, text.c_str());
    PressAndWait(open, IDOK);
    chosen = ControlText(dialog, IDC_LINK_FILE_NAME);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(text, chosen);
  EXPECT_EQ(1, result);
  EXPECT_EQ(FT_TEXT, link->FileType());
}

TEST_F(DialogTest, OverLongInputIsCutWithoutSplittingACharacter) {
  std::unique_ptr<KVObjLink> link(LinkTo(memo));
  const std::string heading = "a" + Repeat("あ", 150);  // 301 bytes
  const std::string path = TestFolder() + Repeat("長", 200) + ".txt";
  std::string shownHeading, shownPath;
  RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    ReplaceText(dialog, IDC_LINK_HEADING, heading);
    ReplaceText(dialog, IDC_LINK_FILE_NAME, path);
    shownHeading = ControlText(dialog, IDC_LINK_HEADING);
    shownPath = ControlText(dialog, IDC_LINK_FILE_NAME);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(heading.substr(0, 199), shownHeading);  // 200 would split the last character
  EXPECT_EQ(heading.substr(0, 199), link->m_strCaption);
  EXPECT_LE(shownPath.size(), 259u);
  EXPECT_EQ(path.substr(0, shownPath.size()), shownPath);
  EXPECT_EQ(0u, (shownPath.size() - TestFolder().size()) % 2);
  EXPECT_STREQ(shownPath.c_str(), link->m_szPath);
}

TEST_F(DialogTest, ColourButtonsWriteTheCustomColoursOnlyWhenConfirmed) {
  KVWriteProfileInt("CustomColors", "Color_3", 1122867);
  std::unique_ptr<KVObjLink> link(LinkTo(memo));
  const COLORREF oldText = link->m_crColor;
  int result = RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    PickColour(dialog, IDC_LINK_TEXT_COLOR, false, RGB(0, 0, 255));
    PickColour(dialog, IDC_LINK_BACK_COLOR, true, RGB(255, 0, 0));
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(1, result);
  EXPECT_EQ(oldText, link->m_crColor);
  EXPECT_EQ(RGB(255, 0, 0), link->m_crBackColor);
  std::string expected;
  for (int i = 0; i < 16; ++i)
    expected += "Color_" + std::to_string(i) + "=" + (i == 3 ? "1122867" : "16777215") + ";";
  EXPECT_EQ(expected, CustomColors());

  // A cancelled picker writes nothing; a confirmed one writes even if the dialog is
  // cancelled after it, but the dialog's colours are then not taken.
  RemoveSettingsFile();
  result = RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    PickColour(dialog, IDC_LINK_BACK_COLOR, false, RGB(0, 128, 0));
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(1, result);
  EXPECT_EQ("", CustomColors());
  EXPECT_EQ(RGB(255, 0, 0), link->m_crBackColor);
  result = RunDialog([&] { return link->DoProperty(); }, [&](HWND dialog) {
    PickColour(dialog, IDC_LINK_BACK_COLOR, true, RGB(0, 128, 0));
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(0, result);
  EXPECT_EQ(RGB(255, 0, 0), link->m_crBackColor);
  EXPECT_NE("", CustomColors());
}

TEST_F(DialogTest, TheImageDialogSetsExactlyTheFrameAndStretchBits) {
  PatternBitmap source(8, 6, 24);
  KVObjBmap picture(source.Get());
  picture.m_nAttr = 0x00000001 | BA_STRETCH | 0x00F00000;
  picture.SetSize(CSize(100, 50));
  bool frame = false, stretch = false;
  int result = RunDialog([&] { return picture.DoProperty(); }, [&](HWND dialog) {
    frame = Checked(dialog, IDC_IMAGE_BORDER);
    stretch = Checked(dialog, IDC_IMAGE_STRETCH);
    SetChecked(dialog, IDC_IMAGE_BORDER, false);
    SetChecked(dialog, IDC_IMAGE_STRETCH, false);
    PauseForOnlookers();
    PressButton(dialog, IDOK);
  });
  EXPECT_TRUE(frame && stretch);
  EXPECT_EQ(1, result);
  EXPECT_EQ(0u, picture.m_nAttr);
  EXPECT_EQ(CSize(8, 6), CSize(picture.cx, picture.cy));  // back to the picture's own size

  result = RunDialog([&] { return picture.DoProperty(); }, [&](HWND dialog) {
    SetChecked(dialog, IDC_IMAGE_STRETCH, true);
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(0, result);
  EXPECT_EQ(0u, picture.m_nAttr);
  RunDialog([&] { return picture.DoProperty(); }, [&](HWND dialog) {
    SetChecked(dialog, IDC_IMAGE_STRETCH, true);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(BA_STRETCH, picture.m_nAttr);
}

TEST_F(DialogTest, TheFileDialogEditsTheTitleWrappingAndBackground) {
  KVDocText doc;
  doc.m_strDocName = "古い題名";
  lstrcpyA(doc.m_szPath, memo.c_str());
  doc.Box()->m_nAttr = 0x40000001;
  doc.Insert(const_cast<char*>(Repeat("line\r\n", 60).c_str()));
  doc.SetSize(CSize(400, 100));
  doc.m_nScrollY = 200;
  doc.ClearDerty();
  std::string title, path;
  bool wrap = false, pathReadOnly = false;
  int result = RunDialog([&] { return doc.DoProperty(); }, [&](HWND dialog) {
    title = ControlText(dialog, IDC_FILE_TITLE);
    path = ControlText(dialog, IDC_FILE_PATH);
    pathReadOnly = (GetWindowLongA(GetDlgItem(dialog, IDC_FILE_PATH), GWL_STYLE) & ES_READONLY) != 0;
    wrap = Checked(dialog, IDC_FILE_WRAP);
    ReplaceText(dialog, IDC_FILE_TITLE, Repeat("題", 60));  // 120 bytes
    SetChecked(dialog, IDC_FILE_WRAP, false);
    PickColour(dialog, IDC_FILE_BACK_COLOR, true, RGB(255, 255, 0));
    PauseForOnlookers();
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ("古い題名", title);
  EXPECT_EQ(memo, path);
  EXPECT_TRUE(pathReadOnly && wrap);
  EXPECT_EQ(1, result);
  EXPECT_EQ(Repeat("題", 50), doc.m_strDocName);
  EXPECT_EQ(0x00000001u, doc.Box()->m_nAttr);
  EXPECT_EQ(RGB(255, 255, 0), doc.Box()->m_crBackColor);
  EXPECT_EQ(RGB(255, 255, 0), doc.m_crBackColor);
  EXPECT_EQ(200, doc.m_nScrollY);  // the line at the top stays there
  EXPECT_TRUE(doc.IsDerty());

  doc.ClearDerty();
  result = RunDialog([&] { return doc.DoProperty(); }, [&](HWND dialog) {
    ReplaceText(dialog, IDC_FILE_TITLE, "捨てる");
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(0, result);
  EXPECT_EQ(Repeat("題", 50), doc.m_strDocName);
  EXPECT_FALSE(doc.IsDerty());
}

TEST_F(DialogTest, TheFigureDocumentTakesAttributesAndBackgroundButKeepsItsName) {
  KVDocFig doc;
  doc.m_strDocName = "図";
  std::string title;
  int result = RunDialog([&] { return doc.DoProperty(); }, [&](HWND dialog) {
    title = ControlText(dialog, IDC_FILE_TITLE);
    ReplaceText(dialog, IDC_FILE_TITLE, "無視される");
    SetChecked(dialog, IDC_FILE_WRAP, true);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ("", title);
  EXPECT_EQ(1, result);
  EXPECT_EQ("図", doc.m_strDocName);
  EXPECT_EQ(0x40000000u, doc.Box()->m_nAttr);
  EXPECT_TRUE(doc.IsDerty());

  // The selected children show their own dialogs; a change makes the figure dirty.
  doc.ClearDerty();
  KVObjLink* link = LinkTo(memo);
  doc.Insert(link);
  doc.Insert(Block(100, 100, 10, 10));
  doc.ClearDerty();
  doc.SelectAll(true);
  result = RunDialog([&] { return doc.DoChildProperty(); }, [&](HWND dialog) {
    Choose(dialog, IDC_LINK_CAPTION_MODE, 1);
    ReplaceText(dialog, IDC_LINK_HEADING, "図の中");
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(1, result);
  EXPECT_EQ("図の中", link->m_strCaption);
  EXPECT_TRUE(doc.IsDerty());
}
