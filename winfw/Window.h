// CWnd: a C++ object bound to one window. One window procedure for every class binds the
// object on WM_NCCREATE and forwards each message to the object's WindowProc.
#pragma once

#include <windows.h>

#include "Geometry.h"

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  HWND GetSafeHwnd() const { return m_hWnd; }
  // Registers a window class whose windows are CWnd objects; false on failure.
  static bool RegisterClass(const char* name, UINT style, HCURSOR cursor, HICON icon);
  bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                const RECT& rect, HWND parent, HMENU menuOrId);
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  void Invalidate() { ::InvalidateRect(m_hWnd, nullptr, FALSE); }
  CRect ClientRect() const;

  HWND m_hWnd = nullptr;

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
  }
  // The window is gone; the object may delete itself here.
  virtual void PostNcDestroy() {}

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                          LPARAM lParam);
};
