// InstalledMemo: run inside the prefix where the installer ran. Opens a memo through the
// shell's association, checks that the installed KVMemo.exe shows it, follows the memo's
// link (its first object) to the second memo, then closes both windows.
// Usage: InstalledMemo <memo> <installed KVMemo.exe>; 0 when all went as expected.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const UINT kSelectAll = 57642;
const UINT kExecLink = 32791;

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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: InstalledMemo <memo> <installed KVMemo.exe>\n");
    return 2;
  }
  HINSTANCE started = ShellExecuteA(nullptr, "open", argv[1], nullptr, nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(started) <= 32) {
    std::fprintf(stderr, "InstalledMemo: the shell cannot open %s (%d)\n", argv[1],
                 static_cast<int>(reinterpret_cast<INT_PTR>(started)));
    return 1;
  }
  HWND first = WaitForWindow("KVMemo - 入口");
  if (!first || !ShownByInstalledProgram(first, argv[2])) return 1;
  PostMessageA(first, WM_COMMAND, kSelectAll, 0);
  PostMessageA(first, WM_COMMAND, kExecLink, 0);
  HWND second = WaitForWindow("KVMemo - リンク先");
  if (!second || !ShownByInstalledProgram(second, argv[2])) return 1;
  if (!CloseAndWait(second) || !CloseAndWait(first)) {
    std::fprintf(stderr, "InstalledMemo: a memo window did not close\n");
    return 1;
  }
  std::printf("InstalledMemo: opened through the association, followed the link, closed\n");
  return 0;
}
