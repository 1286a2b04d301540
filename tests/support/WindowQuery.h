// Finding and reading windows, of this process or another, without ever blocking on them:
// memo windows, dialogs and message boxes, pop-up menus, child windows.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "Poll.h"

// Every memo main window's title starts with these 9 bytes.
extern const char kMemoTitlePrefix[];

// The title in code page 932, read without sending a message, so a hung window cannot
// block the reader.
std::string WindowTitle(HWND hwnd);
DWORD ProcessOf(HWND hwnd);
// True when the window's thread takes a message within the time-out.
bool Answers(HWND hwnd, DWORD timeoutMs = 5000);
RECT ScreenRect(HWND hwnd);
// The first child window of the given class, at any depth.
HWND ChildOfClass(HWND parent, const char* className);

// Which visible top-level windows a search wants; a field left at its default matches all.
struct WindowFilter {
  const char* className = nullptr;
  DWORD pid = 0;
  DWORD thread = 0;
  HWND owner = nullptr;
  const char* title = nullptr;  // the whole title
  const char* titleStart = nullptr;
};
std::vector<HWND> WindowsWhere(const WindowFilter& filter);

// Visible top-level windows titled "KVMemo - ...", of one process or (pid 0) of any.
std::vector<HWND> MemoWindows(DWORD pid = 0);
// Memo windows that belong to no process in the set.
std::vector<HWND> MemoWindowsExcept(const std::set<DWORD>& known);
// Waits for a memo window of a process outside the set; null on time-out.
HWND WaitForOtherMemoWindow(const std::set<DWORD>& known, DWORD timeoutMs = kWaitMs);

// Visible dialogs (class #32770: message boxes, dialogs, common dialogs) of a process.
std::vector<HWND> DialogsOf(DWORD pid);
// A visible dialog owned by the window, with this caption when one is given; null if none.
HWND OwnedDialog(HWND owner, const char* caption = nullptr);
// The same, waiting for it; null after the deadline.
HWND WaitForOwnedDialog(HWND owner, const char* caption = nullptr, DWORD timeoutMs = kWaitMs);
// A visible dialog of the thread (owned by owner when one is given), waited for.
HWND WaitForThreadDialog(DWORD thread, HWND owner = nullptr, DWORD timeoutMs = kWaitMs);
// Waits for a visible dialog of the process with this caption (Shift-JIS); null on time-out.
HWND WaitForDialog(DWORD pid, const std::string& caption, DWORD timeoutMs = kWaitMs);
// True once the process shows no dialog any more.
bool WaitForNoDialog(DWORD pid, DWORD timeoutMs = kWaitMs);

// The visible pop-up menu window (class #32768) of a process; null if none.
HWND PopupMenuOf(DWORD pid);
HWND WaitForPopupMenu(DWORD pid, DWORD timeoutMs = kWaitMs);
