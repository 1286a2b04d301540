// Owner-drawn samples: a framed box in a background colour with an optional text drawn in
// a colour and font.
#pragma once

#include <windows.h>

// font none: the control's own font.
void DrawSample(const DRAWITEMSTRUCT& item, const char* text, COLORREF textColor,
                COLORREF backColor, const LOGFONTA* font);
