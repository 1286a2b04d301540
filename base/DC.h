// A thin device-context wrapper: the drawing surface handed to the document's Draw calls.
// It does not own the HDC; whoever created the DC releases it.
#pragma once

#include <windows.h>

class CDC {
 public:
  explicit CDC(HDC hdc = nullptr) : m_hDC(hdc) {}
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC GetSafeHdc() const { return m_hDC; }
  COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
  COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
  BOOL TextOut(int x, int y, const char* text, int length) {
    return ::TextOutA(m_hDC, x, y, text, length);
  }
  BOOL InvertRect(const RECT& rect) { return ::InvertRect(m_hDC, &rect); }
  void FillSolidRect(const RECT& rect, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  }

  HDC m_hDC;
};
