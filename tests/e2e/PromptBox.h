// A message box or dialog that a memo window shows: found by its owner, read, answered.
#pragma once

#include <windows.h>

#include <string>

#include "Poll.h"

class PromptBox {
 public:
  // Waits for a dialog owned by the frame; check Found() afterwards.
  explicit PromptBox(HWND owner, DWORD timeoutMs = kWaitMs);
  // Waits for a dialog of the process, whatever its owner (one shown before any window).
  static PromptBox OfProcess(DWORD pid, DWORD timeoutMs = kWaitMs);

  bool Found() const { return box_ != nullptr; }
  HWND Handle() const { return box_; }
  std::string Caption() const;
  // The message text: the longest text of the box's static controls.
  std::string Text() const;
  bool HasButton(int id) const { return GetDlgItem(box_, id) != nullptr; }
  // Presses a button (IDYES, IDNO, IDCANCEL ...) and waits until the box is gone.
  bool Answer(int id);

 private:
  PromptBox() = default;
  HWND box_ = nullptr;
};
