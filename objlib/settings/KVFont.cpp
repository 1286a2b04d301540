// Font helpers and the date formatter.
#include "KVFont.h"

#include <cstring>

#include "MeasuringDC.h"
#include "ScopedGdi.h"
#include "SjisText.h"

LOGFONT g_DefaultFont;
HWND g_hwndView;

namespace {

KVResolution g_reference = {96, 96};

const char* const kWeekdayFull[7] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                     "木曜日", "金曜日", "土曜日"};
const char* const kWeekdayShort[7] = {"日", "月", "火", "水", "木", "金", "土"};

// Replaces every occurrence of token with name, first occurrence first; false when the
// result would not fit the work area.
bool ReplaceAll(char* work, size_t size, const char* token, const char* name) {
  size_t nameLength = std::strlen(name);
  while (char* found = std::strstr(work, token)) {
    size_t length = std::strlen(work);
    if (length - 2 + nameLength + 1 > size) return false;
    std::memmove(found + nameLength, found + 2, std::strlen(found + 2) + 1);
    std::memcpy(found, name, nameLength);
  }
  return true;
}

}  // namespace

KVResolution KVGetReferenceResolution() { return g_reference; }

void KVRecordReferenceResolution() {
  ScopedWindowDC desktop(GetDesktopWindow());
  g_reference.x = GetDeviceCaps(desktop, LOGPIXELSX);
  g_reference.y = GetDeviceCaps(desktop, LOGPIXELSY);
  if (g_reference.x <= 0 || g_reference.y <= 0) g_reference = {96, 96};
}

int KVDevPixelX(int v, HDC hdc) {
  return hdc ? v * GetDeviceCaps(hdc, LOGPIXELSX) / g_reference.x : v;
}

int KVDevPixelY(int v, HDC hdc) {
  return hdc ? v * GetDeviceCaps(hdc, LOGPIXELSY) / g_reference.y : v;
}

LOGFONT KVScaleFont(HDC hdc, const LOGFONT& font) {
  LOGFONT scaled = font;
  if (hdc) {
    scaled.lfWidth = font.lfWidth * GetDeviceCaps(hdc, LOGPIXELSX) / g_reference.x;
    scaled.lfHeight = font.lfHeight * GetDeviceCaps(hdc, LOGPIXELSY) / g_reference.y;
  }
  return scaled;
}

bool KVIsFontEqual(const LOGFONT* a, const LOGFONT* b) {
  return a->lfHeight == b->lfHeight && a->lfWidth == b->lfWidth &&
         a->lfEscapement == b->lfEscapement && a->lfOrientation == b->lfOrientation &&
         a->lfWeight == b->lfWeight && a->lfItalic == b->lfItalic &&
         a->lfUnderline == b->lfUnderline && a->lfStrikeOut == b->lfStrikeOut &&
         a->lfCharSet == b->lfCharSet && a->lfOutPrecision == b->lfOutPrecision &&
         a->lfClipPrecision == b->lfClipPrecision && a->lfQuality == b->lfQuality &&
         a->lfPitchAndFamily == b->lfPitchAndFamily &&
         std::strncmp(a->lfFaceName, b->lfFaceName, LF_FACESIZE) == 0;
}

HFONT KVGetFont(HDC hdc, const LOGFONT* pFont) {
  LOGFONT scaled = KVScaleFont(hdc, *pFont);
  return CreateFontIndirectA(&scaled);
}

CSize KVGetFontSize(HDC hdc, const LOGFONT* pFont) {
  MeasuringDC target(hdc);
  ScopedFont font(KVGetFont(hdc, pFont));
  ScopedSelect select(target, font.Get());
  TEXTMETRICA metrics = {};
  GetTextMetricsA(target, &metrics);
  // Five reference pixels of line spacing, in the device's pixels.
  return CSize(metrics.tmMaxCharWidth,
               metrics.tmHeight + GetDeviceCaps(target, LOGPIXELSY) * 5 / g_reference.y);
}

size_t KVStrftime(char* buffer, size_t size, const char* format, const struct tm* time) {
  char work[1024];
  KVCopyCut(work, sizeof work, format);
  int day = time->tm_wday;
  // Weekday names past the work area, or a day out of range, give no output at all,
  // as strftime does when the result does not fit.
  if (day < 0 || day > 6 || !ReplaceAll(work, sizeof work, "%A", kWeekdayFull[day]) ||
      !ReplaceAll(work, sizeof work, "%a", kWeekdayShort[day])) {
    if (size > 0) buffer[0] = '\0';
    return 0;
  }
  return std::strftime(buffer, size, work, time);
}
