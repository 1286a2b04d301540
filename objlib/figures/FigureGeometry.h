// The bounds of a figure's geometry. Positions and sizes come from files and the clipboard;
// kept within these bounds, every sum of a position and a size fits an int even after a
// conversion to a 1200 dpi printer, and no extent asks for an absurd drawing surface.
#pragma once

#include "KVObject.h"

const int kFigureMaxCoord = 1 << 20;

inline int KVClampToFigure(long long v) {
  return v < 0 ? 0 : v > kFigureMaxCoord ? kFigureMaxCoord : static_cast<int>(v);
}

// Puts a child's position and size within the bounds: a negative position becomes 0, a
// size out of bounds is asked of the child first (so a link or picture stays consistent)
// and forced if the child keeps it.
inline void KVKeepInFigure(KVObject* pObj) {
  pObj->x = KVClampToFigure(pObj->x);
  pObj->y = KVClampToFigure(pObj->y);
  if (pObj->cx == KVClampToFigure(pObj->cx) && pObj->cy == KVClampToFigure(pObj->cy)) return;
  pObj->SetSize(CSize(KVClampToFigure(pObj->cx), KVClampToFigure(pObj->cy)));
  pObj->cx = KVClampToFigure(pObj->cx);
  pObj->cy = KVClampToFigure(pObj->cy);
}
