// The one-pixel frame of boxes, documents and links: drawn with the DC's current pen
// through the corners, one pixel inside the right and bottom edges.
#pragma once

#include <windows.h>

inline void KVDrawFrame(HDC hdc, const RECT& box) {
  POINT corners[5] = {{box.left, box.top},
                      {box.right - 1, box.top},
                      {box.right - 1, box.bottom - 1},
                      {box.left, box.bottom - 1},
                      {box.left, box.top}};
  Polyline(hdc, corners, 5);
}
