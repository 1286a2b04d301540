// e2e_hung_window: shows a window titled like a memo window, then stops taking messages,
// as a memo window busy with long work would. It still waits on its queue, so the system
// never counts it as hung and gives up on it early. It ends when the test ends it (or
// after 2 min).
#include <windows.h>

namespace {

LRESULT CALLBACK HungProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = HungProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "KVE2EHungWindow";
  RegisterClassA(&windowClass);
  HWND hwnd = CreateWindowA("KVE2EHungWindow", "KVMemo - 応答なし", WS_OVERLAPPEDWINDOW, 700,
                            500, 320, 200, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  const ULONGLONG end = GetTickCount64() + 120000;
  while (GetTickCount64() < end)
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_POSTMESSAGE);
  return 0;
}
