// The one window procedure of the framework and the window-object basics.
#include "Window.h"

#include <new>

namespace {

CWnd* FromHandle(HWND hwnd) {
  return reinterpret_cast<CWnd*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace

CWnd::~CWnd() {
  if (m_hWnd) {
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hWnd);
  }
}

bool CWnd::RegisterClass(const char* name, UINT style, HCURSOR cursor, HICON icon) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return true;
  wc.style = style;
  wc.lpfnWndProc = WindowProcedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = cursor;
  wc.hIcon = icon;
  wc.lpszClassName = name;
  return ::RegisterClassA(&wc) != 0;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                    const RECT& rect, HWND parent, HMENU menuOrId) {
  HWND hwnd = CreateWindowExA(exStyle, className, title, style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              menuOrId, GetModuleHandleA(nullptr), this);
  return hwnd != nullptr;
}

CRect CWnd::ClientRect() const {
  CRect rect;
  GetClientRect(m_hWnd, &rect);
  return rect;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* window = FromHandle(hwnd);
  if (message == WM_NCCREATE) {
    window = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    window->m_hWnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  // No exception may leave a window procedure: the system's frames cannot unwind it.
  try {
    result = window->WindowProc(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    result = 0;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window->m_hWnd = nullptr;
    window->PostNcDestroy();
  }
  return result;
}
