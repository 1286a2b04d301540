// A memo-titled window in a helper process that has stopped taking messages.
#include "HungWindow.h"

#include <string>
#include <vector>

#include "Poll.h"
#include "WindowQuery.h"

HungWindow::HungWindow() {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string self = module;
  std::string program = self.substr(0, self.find_last_of('\\') + 1) + "e2e_hung_window.exe";
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process_)) {
    process_ = {};
    return;
  }
  HWND found = nullptr;
  WaitUntil([this, &found] {
    std::vector<HWND> windows = MemoWindows(process_.dwProcessId);
    if (!windows.empty()) found = windows[0];
    return found != nullptr;
  });
  if (found && WaitUntil([found] { return !Answers(found, 100); })) window_ = found;
}

HungWindow::~HungWindow() {
  if (!process_.hProcess) return;
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool HungWindow::StillHung() const {
  return window_ && IsWindow(window_) && !Answers(window_, 100);
}
