// InstalledMemo: the installer test's hands inside the prefix where the installer ran.
//   open <memo> <installed KVMemo.exe>: opens the memo through the shell's association,
//     checks that the installed program shows it, follows its link (its first object) to
//     the second memo, then closes both windows.
//   start <KVMemo.exe> <memo> [edit]: starts the program on the memo and waits for its
//     window; with "edit" the memo gets an unsaved change (a date inserted).
//   stop: ends the processes of the open memo windows (those the test started) and prints
//     how many windows there were.
// Exit code 0 when all went as expected.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../../memo/resource.h"

namespace {

const char kFrameClass[] = "KVMemoFrame";

HWND WaitForWindow(const char* title) {
  for (int i = 0; i < 600; ++i) {
    if (HWND window = FindWindowA(nullptr, title)) return window;
    Sleep(100);
  }
  std::fprintf(stderr, "InstalledMemo: no window titled \"%s\" appeared\n", title);
  return nullptr;
}

std::string ProgramOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  char path[MAX_PATH] = "";
  DWORD size = MAX_PATH;
  if (process) {
    QueryFullProcessImageNameA(process, 0, path, &size);
    CloseHandle(process);
  }
  return path;
}

bool ShownByInstalledProgram(HWND window, const char* program) {
  std::string shown = ProgramOf(window);
  if (lstrcmpiA(shown.c_str(), program) == 0) return true;
  std::fprintf(stderr, "InstalledMemo: the memo window belongs to \"%s\", not \"%s\"\n",
               shown.c_str(), program);
  return false;
}

bool CloseAndWait(HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(100);
  return !IsWindow(window);
}

std::vector<HWND> MemoFrames() {
  std::vector<HWND> frames;
  for (HWND frame = nullptr; (frame = FindWindowExA(nullptr, frame, kFrameClass, nullptr));)
    frames.push_back(frame);
  return frames;
}

int OpenThroughShell(const char* memo, const char* program) {
  HINSTANCE started = ShellExecuteA(nullptr, "open", memo, nullptr, nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(started) <= 32) {
    std::fprintf(stderr, "InstalledMemo: the shell cannot open %s (%d)\n", memo,
                 static_cast<int>(reinterpret_cast<INT_PTR>(started)));
    return 1;
  }
  HWND first = WaitForWindow("KVMemo - 入口");
  if (!first || !ShownByInstalledProgram(first, program)) return 1;
  PostMessageA(first, WM_COMMAND, ID_EDIT_SELECT_ALL, 0);
  PostMessageA(first, WM_COMMAND, ID_LINK_EXEC, 0);
  HWND second = WaitForWindow("KVMemo - リンク先");
  if (!second || !ShownByInstalledProgram(second, program)) return 1;
  if (!CloseAndWait(second) || !CloseAndWait(first)) {
    std::fprintf(stderr, "InstalledMemo: a memo window did not close\n");
    return 1;
  }
  std::printf("InstalledMemo: opened through the association, followed the link, closed\n");
  return 0;
}

HWND WaitForFrameOf(DWORD processId) {
  for (int i = 0; i < 600; ++i) {
    for (HWND frame : MemoFrames()) {
      DWORD id = 0;
      GetWindowThreadProcessId(frame, &id);
      if (id == processId && IsWindowVisible(frame)) return frame;
    }
    Sleep(100);
  }
  std::fprintf(stderr, "InstalledMemo: the started memo showed no window\n");
  return nullptr;
}

int Start(const char* program, const char* memo, bool edit) {
  std::string command = std::string("\"") + program + "\" \"" + memo + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(program, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    std::fprintf(stderr, "InstalledMemo: cannot start %s (%lu)\n", program, GetLastError());
    return 1;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  HWND window = WaitForFrameOf(started.dwProcessId);
  if (!window) return 1;
  if (edit) SendMessageA(window, WM_COMMAND, ID_INSERT_DATE, 0);
  return 0;
}

int Stop() {
  const std::vector<HWND> frames = MemoFrames();
  for (HWND frame : frames) {
    DWORD id = 0;
    GetWindowThreadProcessId(frame, &id);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
      TerminateProcess(process, 0);
      WaitForSingleObject(process, 10000);
      CloseHandle(process);
    }
  }
  std::printf("%u\n", static_cast<unsigned>(frames.size()));
  return MemoFrames().empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "open" && argc == 4) return OpenThroughShell(argv[2], argv[3]);
  if (command == "start" && (argc == 4 || argc == 5))
    return Start(argv[2], argv[3], argc == 5 && std::strcmp(argv[4], "edit") == 0);
  if (command == "stop" && argc == 2) return Stop();
  std::fprintf(stderr,
               "usage: InstalledMemo open <memo> <KVMemo.exe> | start <KVMemo.exe> <memo> "
               "[edit] | stop\n");
  return 2;
}
