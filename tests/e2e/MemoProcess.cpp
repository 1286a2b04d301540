// One KVMemo.exe process started by a test: its window, its end, and its clean-up.
#include "MemoProcess.h"

#include <vector>

#include "WindowQuery.h"

MemoProcess::MemoProcess(const std::string& argument)
    : process_(ProgramPath(), argument.empty() ? "" : "\"" + argument + "\"") {}

HWND MemoProcess::WaitForWindow(DWORD timeoutMs) {
  if (!Started()) return nullptr;
  WaitUntil(
      [this] {
        std::vector<HWND> windows = MemoWindows(Id());
        if (!windows.empty() && Answers(windows[0])) window_ = windows[0];
        return window_ != nullptr || !Running();
      },
      timeoutMs);
  if (window_) showedWindow_ = true;
  return window_;
}

HWND MemoProcess::View() const { return window_ ? ChildOfClass(window_, "KVMemoView") : nullptr; }

bool MemoProcess::WaitForExit(DWORD timeoutMs) {
  if (!Started()) return false;
  return WaitUntil(
      [this] {
        if (!MemoWindows(Id()).empty()) showedWindow_ = true;
        return !Running();
      },
      timeoutMs);
}

std::string MemoProcess::Title() const { return window_ ? WindowTitle(window_) : ""; }

std::string MemoProcess::ProgramPath() {
  char path[MAX_PATH] = "";
  DWORD length = GetEnvironmentVariableA("KV_MEMO_EXE", path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return path;
  return ProgramFolder() + "KVMemo.exe";
}
