// Memo windows that the program opened in processes of their own, on the test's behalf.
#include "ProcessWindows.h"

#include <tlhelp32.h>

#include <map>

#include "WindowQuery.h"

void EndProcessOf(HWND window) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(window));
  if (!process) return;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

bool DescendsFrom(DWORD pid, const std::set<DWORD>& ancestors) {
  std::map<DWORD, DWORD> parents;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    parents[entry.th32ProcessID] = entry.th32ParentProcessID;
  CloseHandle(snapshot);
  for (int depth = 0; depth < 8 && parents.count(pid); ++depth) {
    pid = parents[pid];
    if (ancestors.count(pid)) return true;
  }
  return false;
}
