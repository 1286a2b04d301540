// A memo-titled window in a helper process that has stopped taking messages.
#pragma once

#include <windows.h>

#include "ChildProcess.h"

class HungWindow {
 public:
  // Starts e2e_hung_window.exe (beside this program) and waits until its window hangs.
  HungWindow();

  // Null when the helper did not start or its window never stopped answering.
  HWND Window() const { return window_; }
  bool StillHung() const;

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
};
