// Whether a key is held down now, as the thread's input state says.
#pragma once

#include <windows.h>

inline bool IsKeyDown(int key) { return GetKeyState(key) < 0; }
