// Font records that come from outside (memo streams, pasted memo data, the settings file)
// are put within bounds before any of them reaches GDI.
#pragma once

#include <windows.h>

#include "KVObjApi.h"

// Largest character cell, in reference pixels, a font may ask for. The font dialog's
// largest size, 1638 points, is 2184 pixels at 96 dpi and 3276 at 144 dpi; far larger
// cells take seconds to draw and crash the text output of some systems.
const LONG kFontMaxCell = 4096;
// Escapement and orientation are tenths of a degree; one turn.
const LONG kFontFullTurn = 3600;
const LONG kFontMaxWeight = 1000;

// Height and width kept within kFontMaxCell either way, escapement and orientation taken
// modulo one turn (keeping their sign), the weight between 0 and 1000, a character set
// GDI does not know made the default one, and the face name terminated inside its field.
// A font within these bounds is left exactly as it is. Returns true when anything changed.
KVOBJ_API bool KVKeepFontSane(LOGFONT* pFont);
