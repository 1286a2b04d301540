// Bounds for font records that come from outside (memo streams, pasted memo data, the
// settings file), applied before any of them reaches GDI. Header-only: the options editor,
// which links nothing of the library, reads the same settings file.
#pragma once

#include <windows.h>

#include <cstring>

// Largest character cell, in reference pixels, a font may ask for. The font dialog's
// largest size, 1638 points, is 2184 pixels at 96 dpi and 3276 at 144 dpi; far larger
// cells take seconds to draw and crash the text output of some systems.
const LONG kFontMaxCell = 4096;
// Escapement and orientation are tenths of a degree; one turn.
const LONG kFontFullTurn = 3600;
const LONG kFontMaxWeight = 1000;

inline LONG ClampFontField(LONG v, LONG low, LONG high) {
  return v < low ? low : v > high ? high : v;
}

inline bool IsKnownCharSet(BYTE charSet) {
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

// Height and width kept within kFontMaxCell either way, escapement and orientation taken
// modulo one turn (keeping their sign), the weight between 0 and 1000, a character set
// GDI does not know made the default one, and the face name terminated inside its field.
// A font within these bounds is left exactly as it is. Returns true when anything changed.
inline bool KeepFontInBounds(LOGFONTA* font) {
  const LOGFONTA before = *font;
  font->lfHeight = ClampFontField(font->lfHeight, -kFontMaxCell, kFontMaxCell);
  font->lfWidth = ClampFontField(font->lfWidth, -kFontMaxCell, kFontMaxCell);
  font->lfEscapement %= kFontFullTurn;
  font->lfOrientation %= kFontFullTurn;
  font->lfWeight = ClampFontField(font->lfWeight, 0, kFontMaxWeight);
  if (!IsKnownCharSet(font->lfCharSet)) font->lfCharSet = DEFAULT_CHARSET;
  font->lfFaceName[LF_FACESIZE - 1] = '\0';
  return std::memcmp(&before, font, sizeof before) != 0;
}
