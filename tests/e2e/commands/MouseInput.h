// The mouse as a person moves it: real button and motion events through SendInput, in
// screen coordinates, going to whatever window lies under the pointer.
#pragma once

#include <windows.h>

class MouseInput {
 public:
  // Moves the pointer; true once the system reports it at the point.
  static bool MoveTo(POINT screen);
  static void Press(bool right = false);
  static void Release(bool right = false);
  static void Click(POINT screen, bool right = false);
  // Two clicks at one point, well within the double-click time.
  static void DoubleClick(POINT screen);
  // Moves with the left button down in small steps, as a hand does, and releases at the end.
  static void Drag(POINT from, POINT to, int steps = 8);
  // Intermediate points from the pointer's position to the point, button state unchanged.
  static void Glide(POINT to, int steps = 8);
  static POINT Position();

 private:
  static void Send(DWORD flags, LONG dx = 0, LONG dy = 0);
};

// A point of a window's client area on the screen.
POINT ScreenPoint(HWND hwnd, POINT client);
