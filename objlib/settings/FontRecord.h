// Font records that come from outside are put within bounds before any of them reaches GDI
// (the rule itself is in FontBounds.h).
#pragma once

#include <windows.h>

#include "FontBounds.h"
#include "KVObjApi.h"

// KeepFontInBounds for the library's callers; true when anything changed.
KVOBJ_API bool KVKeepFontSane(LOGFONT* pFont);
