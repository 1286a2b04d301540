// Bounds for font records read from files and the clipboard.
#include "FontRecord.h"

#include <cstring>

namespace {

LONG Clamp(LONG v, LONG low, LONG high) { return v < low ? low : v > high ? high : v; }

bool IsKnownCharSet(BYTE charSet) {
  static const BYTE kKnown[] = {
      ANSI_CHARSET,        DEFAULT_CHARSET,    SYMBOL_CHARSET,  MAC_CHARSET,
      SHIFTJIS_CHARSET,    HANGEUL_CHARSET,    JOHAB_CHARSET,   GB2312_CHARSET,
      CHINESEBIG5_CHARSET, GREEK_CHARSET,      TURKISH_CHARSET, VIETNAMESE_CHARSET,
      HEBREW_CHARSET,      ARABIC_CHARSET,     BALTIC_CHARSET,  RUSSIAN_CHARSET,
      THAI_CHARSET,        EASTEUROPE_CHARSET, OEM_CHARSET};
  for (BYTE known : kKnown)
    if (known == charSet) return true;
  return false;
}

}  // namespace

bool KVKeepFontSane(LOGFONT* pFont) {
  const LOGFONT before = *pFont;
  pFont->lfHeight = Clamp(pFont->lfHeight, -kFontMaxCell, kFontMaxCell);
  pFont->lfWidth = Clamp(pFont->lfWidth, -kFontMaxCell, kFontMaxCell);
  pFont->lfEscapement %= kFontFullTurn;
  pFont->lfOrientation %= kFontFullTurn;
  pFont->lfWeight = Clamp(pFont->lfWeight, 0, kFontMaxWeight);
  if (!IsKnownCharSet(pFont->lfCharSet)) pFont->lfCharSet = DEFAULT_CHARSET;
  pFont->lfFaceName[LF_FACESIZE - 1] = '\0';
  return std::memcmp(&before, pFont, sizeof before) != 0;
}
