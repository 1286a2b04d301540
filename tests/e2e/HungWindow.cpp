// A memo-titled window in a helper process that has stopped taking messages.
#include "HungWindow.h"

#include <vector>

#include "WindowQuery.h"

HungWindow::HungWindow() : process_(ProgramFolder() + "e2e_hung_window.exe") {
  if (!process_.Started()) return;
  HWND found = nullptr;
  WaitUntil([this, &found] {
    std::vector<HWND> windows = MemoWindows(process_.Id());
    if (!windows.empty()) found = windows[0];
    return found != nullptr;
  });
  if (found && WaitUntil([found] { return !Answers(found, 100); })) window_ = found;
}

bool HungWindow::StillHung() const {
  return window_ && IsWindow(window_) && !Answers(window_, 100);
}
