// Owners of GDI resources: each releases what it holds when it goes out of scope.
#pragma once

#include <windows.h>

// The whole-window DC of a window (the desktop's for measuring); no window, no DC.
class ScopedWindowDC {
 public:
  explicit ScopedWindowDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(hwnd ? GetWindowDC(hwnd) : nullptr) {}
  ~ScopedWindowDC() {
    if (m_hdc) ReleaseDC(m_hwnd, m_hdc);
  }
  ScopedWindowDC(const ScopedWindowDC&) = delete;
  ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;
  HDC Get() const { return m_hdc; }
  operator HDC() const { return m_hdc; }

 private:
  HWND m_hwnd;
  HDC m_hdc;
};

// The client-area DC of a window.
class ScopedClientDC {
 public:
  explicit ScopedClientDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(GetDC(hwnd)) {}
  ~ScopedClientDC() {
    if (m_hdc) ReleaseDC(m_hwnd, m_hdc);
  }
  ScopedClientDC(const ScopedClientDC&) = delete;
  ScopedClientDC& operator=(const ScopedClientDC&) = delete;
  operator HDC() const { return m_hdc; }

 private:
  HWND m_hwnd;
  HDC m_hdc;
};

class ScopedFont {
 public:
  explicit ScopedFont(HFONT font) : m_font(font) {}
  ~ScopedFont() {
    if (m_font) DeleteObject(m_font);
  }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;
  HFONT Get() const { return m_font; }

 private:
  HFONT m_font;
};

// Selects an object into a DC and selects the previous one back on destruction.
class ScopedSelect {
 public:
  ScopedSelect(HDC hdc, HGDIOBJ object) : m_hdc(hdc), m_old(SelectObject(hdc, object)) {}
  ~ScopedSelect() { SelectObject(m_hdc, m_old); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC m_hdc;
  HGDIOBJ m_old;
};

// Clips a DC to a rectangle, and puts back exactly the clip region it had before (or the
// fact that it had none), so a caller's non-rectangular or empty clipping survives.
class ScopedClipRect {
 public:
  ScopedClipRect(HDC hdc, const RECT& rect) : m_hdc(hdc), m_saved(CreateRectRgn(0, 0, 0, 0)) {
    if (m_saved && GetClipRgn(hdc, m_saved) != 1) {
      DeleteObject(m_saved);
      m_saved = nullptr;
    }
    HRGN band = CreateRectRgnIndirect(&rect);
    SelectClipRgn(hdc, band);  // the DC keeps a copy
    DeleteObject(band);
  }
  ~ScopedClipRect() {
    SelectClipRgn(m_hdc, m_saved);
    if (m_saved) DeleteObject(m_saved);
  }
  ScopedClipRect(const ScopedClipRect&) = delete;
  ScopedClipRect& operator=(const ScopedClipRect&) = delete;

 private:
  HDC m_hdc;
  HRGN m_saved;
};
