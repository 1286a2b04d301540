// Character widths and cell heights measured once per font and display resolution.
// Measuring creates a font and selects it into a DC; a memo of a million characters
// would otherwise do that a million times on every load.
#pragma once

#include <windows.h>

#include "Geometry.h"

// Width of one character code and the text-metric cell height (tmHeight) of a font that
// is already scaled for hdc; hdc null measures on the desktop's DC. Display devices are
// served from the cache; printers are measured every time, as their fonts may differ.
CSize KVMeasureChar(const LOGFONT& scaledFont, HDC hdc, UINT code);
