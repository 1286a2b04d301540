// The library's entry to the bounds of font records.
#include "FontRecord.h"

bool KVKeepFontSane(LOGFONT* pFont) { return KeepFontInBounds(pFont); }
