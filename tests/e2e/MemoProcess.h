// One KVMemo.exe process started by a test: its window, its end, and its clean-up.
#pragma once

#include <windows.h>

#include <string>

#include "ChildProcess.h"

class MemoProcess {
 public:
  // Starts KVMemo.exe with the argument quoted, or with no argument when it is empty.
  explicit MemoProcess(const std::string& argument = "");

  bool Started() const { return process_.Started(); }
  DWORD Id() const { return process_.Id(); }
  // The main window once it is visible and answers messages; null after the deadline.
  HWND WaitForWindow(DWORD timeoutMs = kWaitMs);
  HWND Window() const { return window_; }
  // The view, the frame's child window that holds the memo.
  HWND View() const;
  bool Running() const { return process_.Running(); }
  // Waits for the process to end. While waiting, notes whether it ever showed a memo window.
  bool WaitForExit(DWORD timeoutMs = kWaitMs);
  bool ShowedWindow() const { return showedWindow_; }
  // The exit code once the process has ended; -1 while it runs.
  int ExitCode() const { return process_.WaitForExit(0); }
  std::string Title() const;

  // KVMemo.exe beside this program, or the path in the environment variable KV_MEMO_EXE.
  static std::string ProgramPath();

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
  bool showedWindow_ = false;
};
