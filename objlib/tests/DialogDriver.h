// Runs the library's modal dialogs without a person: the test's thread opens the dialog
// (through an object's DoProperty), and a second thread finds it and works its controls
// with the messages a person's input would produce. Checks run on the test's thread.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <thread>

#include "DialogControls.h"
#include "WindowQuery.h"

// Leaves a filled-in dialog on screen for KV_DIALOG_PAUSE_MS milliseconds, so a person (or
// a screenshot) can see it; tests never set it.
inline void PauseForOnlookers() {
  if (const char* ms = std::getenv("KV_DIALOG_PAUSE_MS")) Sleep(static_cast<DWORD>(std::atoi(ms)));
}

// Runs open() on this thread while drive(dialog) works the dialog from a second thread.
// A dialog the drive leaves open is cancelled, so a failing test cannot hang.
template <typename Open, typename Drive>
int RunDialog(Open open, Drive drive) {
  const DWORD me = GetCurrentThreadId();
  std::thread helper([me, &drive] {
    HWND dialog = WaitForThreadDialog(me);
    if (!dialog) return;
    drive(dialog);
    if (!WaitUntil([dialog] { return !IsWindow(dialog); }, 3000)) {
      if (HWND box = WaitForThreadDialog(me, dialog)) PressAndWait(box, IDCANCEL);
      PressAndWait(dialog, IDCANCEL);
    }
  });
  int result = open();
  helper.join();
  return result;
}
