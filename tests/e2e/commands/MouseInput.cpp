// The mouse as a person moves it: real button and motion events through SendInput, in
// screen coordinates, going to whatever window lies under the pointer.
#include "MouseInput.h"

#include "Poll.h"

void MouseInput::Send(DWORD flags, LONG dx, LONG dy) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.dx = dx;
  input.mi.dy = dy;
  SendInput(1, &input, sizeof input);
}

// Absolute coordinates run from 0 to 65535 across the primary screen.
bool MouseInput::MoveTo(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const LONG dx = MulDiv(screen.x, 65536, width) + 1;
  const LONG dy = MulDiv(screen.y, 65536, height) + 1;
  Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy);
  return WaitUntil(
      [screen] {
        POINT now = Position();
        return now.x == screen.x && now.y == screen.y;
      },
      2000);
}

void MouseInput::Press(bool right) { Send(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN); }

void MouseInput::Release(bool right) { Send(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP); }

void MouseInput::Click(POINT screen, bool right) {
  MoveTo(screen);
  Press(right);
  Release(right);
}

void MouseInput::DoubleClick(POINT screen) {
  MoveTo(screen);
  for (int i = 0; i < 2; ++i) {
    Press();
    Release();
  }
}

void MouseInput::Glide(POINT to, int steps, WORD heldKey) {
  const POINT from = Position();
  for (int i = 1; i <= steps; ++i) {
    POINT p = {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
    MoveTo(p);
    if (heldKey) Key(heldKey, true);
    Sleep(15);
  }
}

void MouseInput::Drag(POINT from, POINT to, int steps, WORD heldKey) {
  MoveTo(from);
  if (heldKey) {
    Sleep(100);  // the pointer's arrival, and the key states it brings, come first
    Key(heldKey, true);
    WaitUntil([heldKey] { return GetKeyState(heldKey) < 0; }, 1000);
  }
  Press();
  Glide(to, steps, heldKey);
  Release();
  if (heldKey) Key(heldKey, false);
}

void MouseInput::Key(WORD vk, bool down) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

POINT MouseInput::Position() {
  POINT p = {};
  GetCursorPos(&p);
  return p;
}

POINT ScreenPoint(HWND hwnd, POINT client) {
  ClientToScreen(hwnd, &client);
  return client;
}
