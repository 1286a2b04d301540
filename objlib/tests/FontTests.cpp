// Font comparison, device-scaled fonts and cells, and dates with Japanese weekday names.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <thread>
#include <vector>

#include "KVFont.h"
#include "KVObjChar.h"
#include "TestSupport.h"

namespace {

struct tm Date(int year, int month, int day) {
  struct tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = 12;
  std::mktime(&t);  // fills in the day of the week
  return t;
}

std::string Format(const char* format, const struct tm& t) {
  char buffer[256];
  size_t n = KVStrftime(buffer, sizeof buffer, format, &t);
  return std::string(buffer, n);
}

// Widths of one character in fonts of many sizes, each new to the thread that measures.
std::vector<int> Widths(int firstHeight, int count) {
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) {
    LOGFONT font = {};
    font.lfHeight = -(firstHeight + i);
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(font.lfFaceName, "ＭＳ ゴシック");
    KVObjChar character('W', 0, &font);
    character.CalcSize(nullptr);
    widths.push_back(character.cx);
  }
  return widths;
}

}  // namespace

// The editor reads memos for its index on a second thread while its window lays out text;
// the second thread's measurements must not keep the process from ending.
TEST(FontMetrics, TwoThreadsMeasuringAtOnceGetWhatOneThreadGetsAndTheProgramStillEnds) {
  const int kFonts = 150;
  std::vector<int> first, second;
  for (int round = 0; round < 3; ++round) {
    const int base = 20 + round * 2 * kFonts;
    std::thread other([&] { second = Widths(base + kFonts, kFonts); });
    first = Widths(base, kFonts);
    other.join();
    EXPECT_EQ(Widths(base, kFonts), first);
    EXPECT_EQ(Widths(base + kFonts, kFonts), second);
  }
}

TEST(FontEqual, EveryFieldAndTheFaceNameCount) {
  LOGFONT a = JapaneseFont(), b = a;
  EXPECT_TRUE(KVIsFontEqual(&a, &b));
  // Bytes behind the face name's zero are not part of the font.
  b.lfFaceName[LF_FACESIZE - 1] = 'x';
  EXPECT_TRUE(KVIsFontEqual(&a, &b));

  LONG LOGFONT::*longs[] = {&LOGFONT::lfHeight, &LOGFONT::lfWidth, &LOGFONT::lfEscapement,
                            &LOGFONT::lfOrientation, &LOGFONT::lfWeight};
  for (auto field : longs) {
    b = a;
    b.*field += 1;
    EXPECT_FALSE(KVIsFontEqual(&a, &b));
  }
  BYTE LOGFONT::*bytes[] = {&LOGFONT::lfItalic, &LOGFONT::lfUnderline, &LOGFONT::lfStrikeOut,
                            &LOGFONT::lfCharSet, &LOGFONT::lfOutPrecision,
                            &LOGFONT::lfClipPrecision, &LOGFONT::lfQuality,
                            &LOGFONT::lfPitchAndFamily};
  for (auto field : bytes) {
    b = a;
    b.*field ^= 1;
    EXPECT_FALSE(KVIsFontEqual(&a, &b));
  }
  lstrcpyA(a.lfFaceName, "Arial");
  lstrcpyA(b.lfFaceName, "arial");
  b.lfCharSet = a.lfCharSet;
  EXPECT_FALSE(KVIsFontEqual(&a, &b));
}

TEST(FontFactory, WithoutADeviceTheStoredSizeIsKept) {
  LOGFONT font = JapaneseFont(-13);
  font.lfWidth = 5;
  HFONT handle = KVGetFont(nullptr, &font);
  ASSERT_NE(nullptr, handle);
  LOGFONT made;
  GetObjectA(handle, sizeof made, &made);
  DeleteObject(handle);
  EXPECT_EQ(-13, made.lfHeight);
  EXPECT_EQ(5, made.lfWidth);
}

TEST(FontFactory, AScreenDeviceKeepsTheReferenceSize) {
  HDC screen = GetDC(nullptr);
  LOGFONT font = JapaneseFont(-13);
  HFONT handle = KVGetFont(screen, &font);
  LOGFONT made;
  GetObjectA(handle, sizeof made, &made);
  DeleteObject(handle);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(-13, made.lfHeight);
}

// IPA Gothic at -16 under Wine: 17 pixels high, its widest character 23 pixels.
TEST(FontFactory, CellIsTheWidestCharacterAndFivePixelsOfSpacing) {
  LOGFONT font = JapaneseFont(-16);
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(CSize(23, 22), KVGetFontSize(dc, &font));
  EXPECT_EQ(CSize(23, 22), KVGetFontSize(nullptr, &font));
  DeleteDC(dc);
}

TEST(Strftime, WeekdayNamesAreJapanese) {
  struct tm wednesday = Date(2025, 5, 7);
  ASSERT_EQ(3, wednesday.tm_wday);
  EXPECT_EQ("20250507 水", Format("%Y%m%d %a", wednesday));

  struct tm sunday = Date(2025, 5, 11);
  EXPECT_EQ("日曜日", Format("%A", sunday));
  EXPECT_EQ("日曜日(日) 2025/05/11", Format("%A(%a) %Y/%m/%d", sunday));
  EXPECT_EQ("土曜日 土曜日", Format("%A %A", Date(2025, 5, 10)));
}

TEST(Strftime, NamesAreReplacedBeforeTheStandardConversions) {
  // An escaped percent sign before "a" still yields a weekday name, behind a lone "%"
  // that the standard formatter then sees in front of a double-byte character.
  struct tm monday = Date(2025, 5, 5);
  EXPECT_EQ("月", Format("%a", monday));
  EXPECT_EQ("100% sure", Format("100%% sure", monday));
}

TEST(Strftime, ResultThatDoesNotFitGivesNothing) {
  struct tm monday = Date(2025, 5, 5);
  char small[4] = "xyz";
  EXPECT_EQ(0u, KVStrftime(small, sizeof small, "%A", &monday));
  // Expansion past the work area is refused rather than overrunning it.
  std::string many;
  for (int i = 0; i < 400; ++i) many += "%A";
  char big[4096];
  EXPECT_EQ(0u, KVStrftime(big, sizeof big, many.c_str(), &monday));
}
