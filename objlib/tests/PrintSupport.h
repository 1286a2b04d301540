// Helpers of the print jobs whose PDFs the print checks read.
#pragma once

#include <windows.h>

// A font whose characters the PDF maps back to text, so a check can find them; the IPA
// fonts come out without a text layer.
inline LOGFONT LatinFont() {
  LOGFONT font = {};
  font.lfHeight = -16;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = ANSI_CHARSET;
  lstrcpyA(font.lfFaceName, "DejaVu Sans Mono");
  return font;
}
