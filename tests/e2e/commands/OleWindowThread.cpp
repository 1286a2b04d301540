// A window of the driver on a thread of its own, with OLE started and a message loop, so it
// answers the calls of another process's drag while the test thread waits and moves the mouse.
#include "OleWindowThread.h"

#include <ole2.h>

namespace {

const char kClassName[] = "KVCommandTestWindow";

}  // namespace

bool OleWindowThread::Start(const RECT& screen) {
  ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([this, screen] { Run(screen); });
  WaitForSingleObject(ready_, 10000);
  return window_ != nullptr;
}

void OleWindowThread::Stop() {
  if (!thread_.joinable()) return;
  if (threadId_) PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  CloseHandle(ready_);
}

void OleWindowThread::Run(RECT screen) {
  threadId_ = GetCurrentThreadId();
  OleInitialize(nullptr);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);  // fails harmlessly when an earlier window registered it
  HWND hwnd =
      CreateWindowExA(WS_EX_TOPMOST, kClassName, "driver", WS_POPUP | WS_BORDER, screen.left,
                      screen.top, screen.right - screen.left, screen.bottom - screen.top, nullptr,
                      nullptr, GetModuleHandleA(nullptr), nullptr);
  if (hwnd) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    OnCreated(hwnd);
    window_ = hwnd;
  }
  SetEvent(ready_);
  MSG message;
  while (hwnd && GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (hwnd) {
    OnDestroying(hwnd);
    DestroyWindow(hwnd);
  }
  OleUninitialize();
}

LRESULT CALLBACK OleWindowThread::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* self = reinterpret_cast<OleWindowThread*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && self->OnMessage(hwnd, message, wParam, lParam)) return 0;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
