// One drawing pass over a DC: fills the PAINTINFO that every Draw receives and owns the
// fonts that characters select into the DC while drawing.
#pragma once

#include "KVObject.h"

class KVOBJ_API KVPaintPass {
 public:
  // Selects the given colour and font (scaled for the DC) as the pass's starting state.
  KVPaintPass(CDC* pDC, COLORREF color, const LOGFONT& font);
  // Puts the DC's original font back and deletes the last font the pass selected.
  ~KVPaintPass();
  KVPaintPass(const KVPaintPass&) = delete;
  KVPaintPass& operator=(const KVPaintPass&) = delete;

  PAINTINFO* Info() { return &m_info; }

 private:
  PAINTINFO m_info;
  HGDIOBJ m_originalFont;
};
