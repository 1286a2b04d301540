// Hostile input from outside the memo stream's structure: font records from memos, pasted
// memo data and the settings file; dropped-file lists pasted through the clipboard; and
// the loop over every generator of random and boundary input.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>

#include "ClipboardFormats.h"
#include "DocSupport.h"
#include "FontRecord.h"
#include "HostileInput.h"
#include "KVDocFig.h"
#include "KVObjLink.h"

namespace {

// The record that crashed drawing: absurd height, width and escapement, and worse.
LOGFONT OutlandishFont() {
  LOGFONT font = JapaneseFont();
  font.lfHeight = 65505;
  font.lfWidth = -786432;
  font.lfEscapement = 65535;
  font.lfOrientation = -65535;
  font.lfWeight = 0x7FFFFFFF;
  font.lfCharSet = 0x55;
  std::memset(font.lfFaceName, 'F', LF_FACESIZE);
  return font;
}

void ExpectKeptInBounds(const LOGFONT& font, const char* where) {
  EXPECT_EQ(kFontMaxCell, font.lfHeight) << where;
  EXPECT_EQ(-kFontMaxCell, font.lfWidth) << where;
  EXPECT_EQ(735, font.lfEscapement) << where;
  EXPECT_EQ(-735, font.lfOrientation) << where;
  EXPECT_EQ(kFontMaxWeight, font.lfWeight) << where;
  EXPECT_EQ(DEFAULT_CHARSET, font.lfCharSet) << where;
  EXPECT_EQ(std::string(LF_FACESIZE - 1, 'F'), font.lfFaceName) << where;
}

// The largest size the font dialog offers, at 96 dpi.
LOGFONT LargestDialogFont() {
  LOGFONT font = JapaneseFont(-2184);
  font.lfWeight = FW_BOLD;
  font.lfItalic = TRUE;
  return font;
}

std::vector<std::string> LinkPaths(LIST* first) {
  std::vector<std::string> paths;
  for (LIST* n = first; n; n = n->pNext)
    if (n->pObj->m_wCode == SEG_LINK) paths.push_back(static_cast<KVObjLink*>(n->pObj)->m_szPath);
  return paths;
}

}  // namespace

TEST(HostileFonts, OutlandishRecordsAreKeptInBoundsWhereverTheyComeFrom) {
  const Bytes run = Segment(SEG_COLOR, U32(0)) + Segment(SEG_FONT, FontBody(OutlandishFont())) +
                    "表示" + Segment(SEG_FONT, FontBody(LargestDialogFont())) + "x";
  const std::string file = HostileMemoFile(run);
  HostileResult drawn = LoadDrawResave(file);
  EXPECT_TRUE(drawn.accepted);
  EXPECT_EQ("", drawn.fault);

  KVDocText memo;
  std::string copy = file;
  ASSERT_LT(0, memo.SetData(0, reinterpret_cast<SEG_HEAD*>(&copy[0]), static_cast<int>(copy.size())));
  ExpectKeptInBounds(memo.Box()->m_list.pHead->pObj->m_logFont, "memo");
  Bytes saved(memo.DataLength(), '\0');
  int written = 0;
  memo.GetData(&saved[0], static_cast<int>(saved.size()), &written);
  LOGFONT clamped = memo.Box()->m_list.pHead->pObj->m_logFont;
  EXPECT_NE(Bytes::npos, saved.find(FontBody(clamped))) << "saved as it was kept";
  EXPECT_NE(Bytes::npos, saved.find(FontBody(LargestDialogFont()))) << "a sane font unchanged";

  KVDocText pasted;
  const Bytes memoData = BoxHead(0, 0xFFFFFF, 100, 20) + run + BoxTail();
  ASSERT_TRUE(PasteThroughClipboard(pasted, KVGetClipboardFormats().dataBus, GlobalOf(memoData)));
  ExpectKeptInBounds(pasted.Box()->m_list.pHead->pObj->m_logFont, "pasted memo data");

  MakeConfigFolder();
  LOGFONT outlandish = OutlandishFont(), fromSettings = {};
  KVWriteProfileFont("Font", "Hostile", &outlandish);
  KVGetProfileFont("Font", "Hostile", &fromSettings);
  ExpectKeptInBounds(fromSettings, "settings");
  LOGFONT sane = LargestDialogFont(), saneBack = {};
  KVWriteProfileFont("Font", "Sane", &sane);
  KVGetProfileFont("Font", "Sane", &saneBack);
  RemoveSettingsFile();
  EXPECT_EQ(0, std::memcmp(&sane, &saneBack, sizeof sane));
}

TEST(HostileDrops, ALyingListPastesNothingASoundOneEveryFileThatFits) {
  const std::string folder = TestFolder();
  const std::vector<std::string> names = {folder + "one.txt", folder + "表示.txt"};
  for (bool wide : {false, true}) {
    KVDocText lying;
    ASSERT_TRUE(PasteThroughClipboard(lying, CF_HDROP, GlobalOf(DropBlock(names, wide, 0x7FFFFFF0))));
    EXPECT_TRUE(LinkPaths(lying.Box()->m_list.pHead).empty());
    KVDocFig lyingFigure;
    ASSERT_TRUE(PasteThroughClipboard(lyingFigure, CF_HDROP, GlobalOf(DropBlock(names, wide, 19))));
    EXPECT_TRUE(LinkPaths(lyingFigure.Box()->m_list.pHead).empty());

    Bytes cut = DropBlock(names, wide, sizeof(DROPFILES));
    cut.resize(cut.size() - (wide ? 6 : 3));  // the last name loses its zero
    KVDocText cutShort;
    ASSERT_TRUE(PasteThroughClipboard(cutShort, CF_HDROP, GlobalOf(cut)));
    EXPECT_TRUE(LinkPaths(cutShort.Box()->m_list.pHead).empty());

    const std::vector<std::string> withLong = {names[0], folder + std::string(300, 'x'), names[1]};
    KVDocText sound;
    ASSERT_TRUE(PasteThroughClipboard(sound, CF_HDROP, GlobalOf(DropBlock(withLong, wide, sizeof(DROPFILES)))));
    EXPECT_EQ(names, LinkPaths(sound.Box()->m_list.pHead)) << wide;
    KVDocFig soundFigure;
    ASSERT_TRUE(PasteThroughClipboard(soundFigure, CF_HDROP, GlobalOf(DropBlock(withLong, wide, sizeof(DROPFILES)))));
    EXPECT_EQ(names, LinkPaths(soundFigure.Box()->m_list.pHead)) << wide;
  }
}

// A few seconds of every generator; the bench runs the same loop longer.
TEST(HostileInput, EveryGeneratorKeepsItsPromises) {
  for (const HostileTally& tally : RunHostileLoop(20261208, 120)) {
    for (const std::string& fault : tally.faults) ADD_FAILURE() << tally.name << " " << fault;
    EXPECT_GT(tally.accepted, tally.rounds / 10) << tally.name;
  }
}
