// A program a test starts: its process, its end, and its clean-up; a process still running
// when the object goes is ended, so a failed test leaves no window behind.
#pragma once

#include <windows.h>

#include <string>

#include "Poll.h"

class ChildProcess {
 public:
  // Starts the program with the command-line arguments after its quoted path.
  explicit ChildProcess(const std::string& program, const std::string& arguments = "");
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  bool Running() const;
  // Waits for the end; its exit code, or -1 when it did not end (or never started).
  int WaitForExit(DWORD timeoutMs = kWaitMs) const;

 private:
  PROCESS_INFORMATION info_ = {};
};

// The folder of this test program, ending in a backslash: the build puts the programs,
// ImagePane.dll and Susie\imgfilt.spi there.
std::string ProgramFolder();
// Runs this test program again with only the tests matching filter and the environment
// variable childFlag set; its exit code (-1: not started).
int RunSelfAsChild(const char* filter, const char* childFlag);
