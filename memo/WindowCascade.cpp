// The opener of a memo window travels in the environment, which a started process inherits
// however it is started: through the shell's association, ShellExecute of the program, or
// the editor started directly.
#include "WindowCascade.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "MemoWindows.h"

namespace {

const char kOpenerVariable[] = "KVMEMO_OPENER";

// The opener's window, if the inherited value names a memo window that still exists.
HWND Opener(HWND frame) {
  char value[32] = "";
  const DWORD length = GetEnvironmentVariableA(kOpenerVariable, value, sizeof value);
  if (length == 0 || length >= sizeof value) return nullptr;
  char* end = nullptr;
  const unsigned long long number = std::strtoull(value, &end, 16);
  if (*end != '\0') return nullptr;
  HWND opener = reinterpret_cast<HWND>(static_cast<uintptr_t>(number));
  if (opener == frame || !IsWindow(opener) || !IsMemoWindow(opener)) return nullptr;
  return opener;
}

}  // namespace

void PlaceBelowOpener(HWND frame) {
  HWND opener = Opener(frame);
  if (!opener) return;
  RECT from, own;
  GetWindowRect(opener, &from);
  GetWindowRect(frame, &own);
  MONITORINFO screen = {};
  screen.cbSize = sizeof screen;
  if (!GetMonitorInfoA(MonitorFromWindow(opener, MONITOR_DEFAULTTONEAREST), &screen)) return;
  const RECT& work = screen.rcWork;
  const int width = std::min<int>(own.right - own.left, work.right - work.left);
  const int height = std::min<int>(own.bottom - own.top, work.bottom - work.top);
  const int step = GetSystemMetrics(SM_CYCAPTION);
  int x = from.left + step;
  int y = from.top + step;
  // Past the work area's edge the cascade starts again at its corner.
  if (x < work.left || x + width > work.right) x = work.left;
  if (y < work.top || y + height > work.bottom) y = work.top;
  SetWindowPos(frame, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void AnnounceAsOpener(HWND frame) {
  char value[32];
  std::snprintf(value, sizeof value, "%llX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(frame)));
  SetEnvironmentVariableA(kOpenerVariable, value);
}
