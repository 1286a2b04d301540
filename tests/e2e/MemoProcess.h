// One KVMemo.exe process started by a test: its window, its end, and its clean-up.
#pragma once

#include <windows.h>

#include <string>

#include "Poll.h"

class MemoProcess {
 public:
  // Starts KVMemo.exe with the argument quoted, or with no argument when it is empty.
  explicit MemoProcess(const std::string& argument = "");
  MemoProcess(const MemoProcess&) = delete;
  MemoProcess& operator=(const MemoProcess&) = delete;
  // A process still running at the end of a test is ended, so a failure leaves no window.
  ~MemoProcess();

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD Id() const { return process_.dwProcessId; }
  // The main window once it is visible and answers messages; null after the deadline.
  HWND WaitForWindow(DWORD timeoutMs = kWaitMs);
  HWND Window() const { return window_; }
  // The view, the frame's child window that holds the memo.
  HWND View() const;
  bool Running() const;
  // Waits for the process to end. While waiting, notes whether it ever showed a memo window.
  bool WaitForExit(DWORD timeoutMs = kWaitMs);
  bool ShowedWindow() const { return showedWindow_; }
  std::string Title() const;

  // KVMemo.exe beside this program, or the path in the environment variable KV_MEMO_EXE.
  static std::string ProgramPath();

 private:
  PROCESS_INFORMATION process_ = {};
  HWND window_ = nullptr;
  bool showedWindow_ = false;
};
