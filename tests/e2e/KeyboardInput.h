// Typing into a memo window as a person would: real key events through SendInput to the
// foreground window, and a way to know when the window has taken them all.
#pragma once

#include <windows.h>

#include <string>

#include "Poll.h"

class KeyboardInput {
 public:
  // From Focus() on, shares the key states of the frame's thread while it lives; one
  // KeyboardInput at a time.
  explicit KeyboardInput(HWND frame);
  KeyboardInput(const KeyboardInput&) = delete;
  KeyboardInput& operator=(const KeyboardInput&) = delete;
  ~KeyboardInput();

  // Brings the frame to the front; true once it is the foreground window and has taken
  // everything sent before. Call it before any other member.
  bool Focus();
  // Types Shift-JIS text: plain ASCII as the keys that make it, anything else as Unicode
  // key events (an ANSI window gets a double-byte character as two WM_CHAR, lead first).
  void Type(const std::string& sjisText);
  void Press(WORD vk, bool ctrl = false, bool shift = false);
  // Waits until the frame's thread has handled every key sent so far, and every message
  // posted to it before (a thread takes posted messages before input). The frame must be
  // in front.
  bool Settle(DWORD timeoutMs = kWaitMs);

 private:
  bool InFront() const;
  void Send(WORD vk, WORD unicode, bool up);

  HWND frame_;
  DWORD thread_;
  bool attached_ = false;
};

// Brings the frame to the front, types the text and waits until the window has taken it.
bool TypeInto(HWND frame, const std::string& sjisText);
