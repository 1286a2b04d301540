// Finding and reading the windows of other processes without ever blocking on them.
#include "WindowQuery.h"

#include <cstring>

const char kMemoTitlePrefix[] = "KVMemo - ";

std::string WindowTitle(HWND hwnd) {
  wchar_t wide[292] = L"";
  int length = InternalGetWindowText(hwnd, wide, 292);
  char narrow[600] = "";
  WideCharToMultiByte(932, 0, wide, length, narrow, sizeof narrow - 1, nullptr, nullptr);
  return narrow;
}

DWORD ProcessOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

namespace {

struct MemoSearch {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectMemoWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<MemoSearch*>(param);
  if (!IsWindowVisible(hwnd)) return TRUE;
  if (search->pid && ProcessOf(hwnd) != search->pid) return TRUE;
  if (WindowTitle(hwnd).compare(0, 9, kMemoTitlePrefix) == 0) search->found.push_back(hwnd);
  return TRUE;
}

struct DialogSearch {
  HWND owner;
  HWND found;
  DWORD pid;  // when not 0, any owner of this process will do
};

BOOL CALLBACK FindOwnedDialog(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  char className[16] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(hwnd) &&
      (search->pid ? ProcessOf(hwnd) == search->pid : GetWindow(hwnd, GW_OWNER) == search->owner)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct ClassSearch {
  const char* name;
  HWND found;
};

BOOL CALLBACK FindChildOfClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  char className[64] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (std::strcmp(className, search->name) == 0) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> MemoWindows(DWORD pid) {
  MemoSearch search{pid, {}};
  EnumWindows(CollectMemoWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OwnedDialog(HWND owner) {
  DialogSearch search{owner, nullptr, 0};
  EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND DialogOfProcess(DWORD pid) {
  DialogSearch search{nullptr, nullptr, pid};
  EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildOfClass(HWND parent, const char* className) {
  ClassSearch search{className, nullptr};
  EnumChildWindows(parent, FindChildOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool Answers(HWND hwnd, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

RECT ScreenRect(HWND hwnd) {
  RECT rect = {};
  GetWindowRect(hwnd, &rect);
  return rect;
}
