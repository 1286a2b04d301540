// The colour picker as the pages open it: with the stored custom colours for the property
// defaults, or from black with custom colours kept only in memory for the text colour.
#pragma once

#include <windows.h>

// Custom colours are loaded before and all sixteen written back on OK; a failed write is
// reported. True when the user chose a colour.
bool PickDefaultColor(HWND owner, COLORREF* color);
// Starts at black, whatever the current colour; the settings file is not touched.
bool PickTextColor(HWND owner, COLORREF* color);
