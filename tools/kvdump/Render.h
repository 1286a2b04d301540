// Drawing a whole document into a 24-bit bitmap file, as a window would show it unscrolled.
#pragma once

#include "KVDocText.h"

bool RenderToBitmapFile(KVDocText& doc, const char* path);
