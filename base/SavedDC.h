// A DC's state saved for one drawing step and put back after it, with the drawing kept
// inside a rectangle: pictures and viewer plug-ins draw through it.
#pragma once

#include <windows.h>

class SavedDC {
 public:
  SavedDC(HDC hdc, const RECT& inside) : m_hdc(hdc), m_state(SaveDC(hdc)) {
    IntersectClipRect(hdc, inside.left, inside.top, inside.right, inside.bottom);
  }
  ~SavedDC() {
    if (m_state) RestoreDC(m_hdc, m_state);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC m_hdc;
  int m_state;
};
