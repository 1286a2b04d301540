// Settings file: folders, defaults, encodings of integers, colours and fonts.
#include <gtest/gtest.h>

#include <cstring>

#include "KVFont.h"
#include "KVProfile.h"
#include "TestSupport.h"

namespace {

class Profile : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeConfigFolder();
    RemoveSettingsFile();
  }
  void TearDown() override { RemoveSettingsFile(); }
};

}  // namespace

TEST(Folders, DerivedFromTheProfileAndTheProgram) {
  char profile[MAX_PATH];
  GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
  const KVFolders& f = KVGetFolders();
  EXPECT_EQ(std::string(profile) + "\\", f.user);
  EXPECT_EQ(std::string(f.user) + "Kavelo", f.app);
  EXPECT_EQ(std::string(f.app) + "\\Config\\Kavelo.ini", f.settings);
  EXPECT_EQ(std::string(f.app) + "\\Data", f.data);

  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string folder(module, std::strrchr(module, '\\') + 1);
  EXPECT_STREQ(folder.c_str(), f.program);
}

TEST(Folders, TheLibraryCreatesNothing) {
  // Runs in a fresh profile before any test of this program made the folders.
  if (GetFileAttributesA(KVGetFolders().app) != INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "another test of this run already made the folders";
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(KVGetFolders().data));
}

TEST_F(Profile, MissingFileGivesEveryDefault) {
  EXPECT_EQ(1879048193u, KVGetProfileInt("LINK", "Attr", 0x70000001));
  char text[16];
  EXPECT_EQ(1, KVGetProfileString("Option", "FolderList", "%", text, sizeof text));
  EXPECT_STREQ("%", text);

  // The built-in font is a Japanese TrueType face that the font dialog can offer.
  LOGFONT font;
  std::memset(&font, 0x5A, sizeof font);
  EXPECT_EQ(1, KVGetProfileFont("Font", "Default", &font));
  EXPECT_STREQ("ＭＳ Ｐゴシック", font.lfFaceName);
  EXPECT_EQ(SHIFTJIS_CHARSET, font.lfCharSet);
  EXPECT_LT(font.lfHeight, 0);
  EXPECT_EQ(0, font.lfWidth);
}

TEST_F(Profile, IntegersAndColoursAreDecimalText) {
  EXPECT_TRUE(KVWriteProfileInt("TEXTBOX", "MemoBackColor", 0xFFFFFF));
  EXPECT_TRUE(KVWriteProfileInt("LINK", "MemoAttr", 0x78000001));
  EXPECT_TRUE(KVWriteProfileInt("PAGE", "Left", -5));
  std::string file = ReadSettingsFile();
  EXPECT_NE(std::string::npos, file.find("MemoBackColor=16777215"));
  EXPECT_NE(std::string::npos, file.find("MemoAttr=2013265921"));
  EXPECT_NE(std::string::npos, file.find("Left=-5"));
  EXPECT_EQ(0x78000001u, KVGetProfileInt("link", "memoattr", 0));
  EXPECT_EQ(static_cast<UINT>(-5), KVGetProfileInt("PAGE", "Left", 0));
}

TEST_F(Profile, SectionAndKeyNamesIgnoreCase) {
  KVWriteProfileString("Option", "FolderList", "%Work%%Archive%");
  char text[64];
  EXPECT_EQ(15, KVGetProfileString("OPTION", "folderlist", "", text, sizeof text));
  EXPECT_STREQ("%Work%%Archive%", text);
}

TEST_F(Profile, FontRoundTripsFieldByField) {
  LOGFONT font = JapaneseFont(-12);
  font.lfWidth = 7;
  font.lfEscapement = 900;
  font.lfWeight = FW_BOLD;
  font.lfItalic = 1;
  font.lfUnderline = 1;
  font.lfQuality = ANTIALIASED_QUALITY;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  EXPECT_TRUE(KVWriteProfileFont("Font", "Default", &font));

  std::string file = ReadSettingsFile();
  EXPECT_NE(std::string::npos,
            file.find("DefaultInfo=FFFFFFF4,00000007,00000384,00000000,000002BC,01,01,00,80,"))
      << file;
  EXPECT_NE(std::string::npos, file.find("DefaultFase=ＭＳ ゴシック"));

  LOGFONT back = {};
  EXPECT_EQ(1, KVGetProfileFont("FONT", "Default", &back));
  EXPECT_TRUE(KVIsFontEqual(&font, &back));
  EXPECT_EQ(-12, back.lfHeight);
}

TEST_F(Profile, LongFaceNamesAreCutToFitTheFontRecord) {
  LOGFONT font = JapaneseFont();
  KVWriteProfileFont("Font", "Title", &font);
  KVWriteProfileString("Font", "TitleFase", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij");
  LOGFONT back;
  KVGetProfileFont("Font", "Title", &back);
  EXPECT_STREQ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcde", back.lfFaceName);

  // Thirty bytes of one-byte characters, then a double-byte one: it must not be split.
  KVWriteProfileString("Font", "TitleFase", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd表");
  KVGetProfileFont("Font", "Title", &back);
  EXPECT_STREQ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcd", back.lfFaceName);
}

TEST_F(Profile, CustomColoursDefaultToWhiteAndRoundTrip) {
  COLORREF colors[16];
  KVLoadCustomColors(colors);
  for (COLORREF c : colors) EXPECT_EQ(0xFFFFFFu, c);
  for (int i = 0; i < 16; ++i) colors[i] = RGB(i, 2 * i, 3 * i);
  KVSaveCustomColors(colors);
  EXPECT_NE(std::string::npos, ReadSettingsFile().find("Color_15=2956815"));
  COLORREF back[16];
  KVLoadCustomColors(back);
  EXPECT_EQ(0, std::memcmp(colors, back, sizeof colors));
}

// The default font is read once, when the library loads: check it in a second process
// that starts after the settings were written.
TEST_F(Profile, DefaultFontIsReadWhenTheLibraryLoads) {
  if (GetEnvironmentVariableA("KV_CHILD_EXPECTS_FONT", nullptr, 0)) {
    LOGFONT expected = JapaneseFont(-20);
    EXPECT_TRUE(KVIsFontEqual(&expected, &g_DefaultFont));
    return;
  }
  LOGFONT font = JapaneseFont(-20);
  KVWriteProfileFont("Font", "Default", &font);
  EXPECT_EQ(0, RunSelfAsChild("Profile.DefaultFontIsReadWhenTheLibraryLoads",
                              "KV_CHILD_EXPECTS_FONT"));
}
