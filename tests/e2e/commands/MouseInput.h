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
  // A held key (VK_CONTROL) goes down before the press and repeats at every step, as a
  // keyboard repeats it: Wine takes the modifier states from the X server again whenever the
  // pointer enters another window, and X knows nothing of keys sent through SendInput. With
  // the caller's thread attached to the window's, the press waits until the key is down.
  static void Drag(POINT from, POINT to, int steps = 8, WORD heldKey = 0);
  // Intermediate points from the pointer's position to the point, button state unchanged.
  static void Glide(POINT to, int steps = 8, WORD heldKey = 0);
  static void Key(WORD vk, bool down);
  static POINT Position();

 private:
  static void Send(DWORD flags, LONG dx = 0, LONG dy = 0);
};

// A point of a window's client area on the screen.
POINT ScreenPoint(HWND hwnd, POINT client);
