// Test launcher: runs a program with USERPROFILE pointing at a fresh, empty folder.
// Wine sets USERPROFILE from outside, so it must be changed inside the Windows side,
// before the program and the library it loads compute their folders.
#include <windows.h>

#include <cstdio>
#include <string>

#include "TestFiles.h"

namespace {

// CTest hands over Unix paths; Wine's Z: drive is the Unix root.
std::string ToWindowsPath(const char* path) {
  std::string result = path;
  if (!result.empty() && result[0] == '/') result = "Z:" + result;
  for (char& c : result)
    if (c == '/') c = '\\';
  return result;
}

std::string Quote(const std::string& arg) { return "\"" + arg + "\""; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kvenv program [arguments...]\n");
    return 2;
  }
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string profile = std::string(temp) + "kvtest-" + std::to_string(GetCurrentProcessId());
  RemoveTree(profile);
  CreateDirectoryA(profile.c_str(), nullptr);
  SetEnvironmentVariableA("USERPROFILE", profile.c_str());

  std::string program = ToWindowsPath(argv[1]);
  std::string commandLine = Quote(program);
  for (int i = 2; i < argc; ++i) commandLine += " " + Quote(argv[i]);

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  // Hand the test's output to CTest through our own standard handles.
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process)) {
    std::fprintf(stderr, "kvenv: cannot start %s (error %lu)\n", program.c_str(), GetLastError());
    RemoveTree(profile);
    return 2;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  RemoveTree(profile);
  return static_cast<int>(exitCode);
}
