// Finding and reading windows, of this process or another, without ever blocking on them.
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

bool Answers(HWND hwnd, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

RECT ScreenRect(HWND hwnd) {
  RECT rect = {};
  GetWindowRect(hwnd, &rect);
  return rect;
}

namespace {

struct ClassSearch {
  const char* name;
  HWND found;
};

BOOL CALLBACK FindChildOfClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  char className[64] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (std::strcmp(className, search->name) != 0) return TRUE;
  search->found = hwnd;
  return FALSE;
}

bool Matches(HWND hwnd, const WindowFilter& filter) {
  if (!IsWindowVisible(hwnd)) return false;
  if (filter.className) {
    char className[64] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, filter.className) != 0) return false;
  }
  if (filter.pid && ProcessOf(hwnd) != filter.pid) return false;
  if (filter.owner && GetWindow(hwnd, GW_OWNER) != filter.owner) return false;
  if (filter.title && WindowTitle(hwnd) != filter.title) return false;
  const char* start = filter.titleStart;
  return !start || WindowTitle(hwnd).compare(0, std::strlen(start), start) == 0;
}

struct FilterSearch {
  const WindowFilter* filter;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectMatch(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<FilterSearch*>(param);
  if (Matches(hwnd, *search->filter)) search->found.push_back(hwnd);
  return TRUE;
}

HWND First(const std::vector<HWND>& windows) { return windows.empty() ? nullptr : windows[0]; }

HWND WaitForFirst(const WindowFilter& filter, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = First(WindowsWhere(filter))) != nullptr; }, timeoutMs);
  return found;
}

WindowFilter DialogFilter() {
  WindowFilter filter;
  filter.className = "#32770";
  return filter;
}

}  // namespace

HWND ChildOfClass(HWND parent, const char* className) {
  ClassSearch search{className, nullptr};
  EnumChildWindows(parent, FindChildOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> WindowsWhere(const WindowFilter& filter) {
  FilterSearch search{&filter, {}};
  if (filter.thread)
    EnumThreadWindows(filter.thread, CollectMatch, reinterpret_cast<LPARAM>(&search));
  else
    EnumWindows(CollectMatch, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> MemoWindows(DWORD pid) {
  WindowFilter filter;
  filter.pid = pid;
  filter.titleStart = kMemoTitlePrefix;
  return WindowsWhere(filter);
}

std::vector<HWND> MemoWindowsExcept(const std::set<DWORD>& known) {
  std::vector<HWND> others;
  for (HWND window : MemoWindows())
    if (!known.count(ProcessOf(window))) others.push_back(window);
  return others;
}

HWND WaitForOtherMemoWindow(const std::set<DWORD>& known, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        std::vector<HWND> others = MemoWindowsExcept(known);
        if (!others.empty() && Answers(others[0])) found = others[0];
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::vector<HWND> DialogsOf(DWORD pid) {
  WindowFilter filter = DialogFilter();
  filter.pid = pid;
  return WindowsWhere(filter);
}

HWND OwnedDialog(HWND owner, const char* caption) {
  WindowFilter filter = DialogFilter();
  filter.owner = owner;
  filter.title = caption;
  return First(WindowsWhere(filter));
}

HWND WaitForOwnedDialog(HWND owner, const char* caption, DWORD timeoutMs) {
  WindowFilter filter = DialogFilter();
  filter.owner = owner;
  filter.title = caption;
  return WaitForFirst(filter, timeoutMs);
}

HWND WaitForThreadDialog(DWORD thread, HWND owner, DWORD timeoutMs) {
  WindowFilter filter = DialogFilter();
  filter.thread = thread;
  filter.owner = owner;
  return WaitForFirst(filter, timeoutMs);
}

HWND WaitForDialog(DWORD pid, const std::string& caption, DWORD timeoutMs) {
  WindowFilter filter = DialogFilter();
  filter.pid = pid;
  filter.title = caption.c_str();
  return WaitForFirst(filter, timeoutMs);
}

bool WaitForNoDialog(DWORD pid, DWORD timeoutMs) {
  return WaitUntil([pid] { return DialogsOf(pid).empty(); }, timeoutMs);
}

HWND PopupMenuOf(DWORD pid) {
  WindowFilter filter;
  filter.className = "#32768";
  filter.pid = pid;
  return First(WindowsWhere(filter));
}

HWND WaitForPopupMenu(DWORD pid, DWORD timeoutMs) {
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = PopupMenuOf(pid)) != nullptr; }, timeoutMs);
  return menu;
}
