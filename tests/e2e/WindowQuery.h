// Finding and reading the windows of other processes without ever blocking on them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Every memo main window's title starts with these 9 bytes.
extern const char kMemoTitlePrefix[];

// The title in code page 932, read without sending a message, so a hung window cannot
// block the reader.
std::string WindowTitle(HWND hwnd);
DWORD ProcessOf(HWND hwnd);
// Visible top-level windows titled "KVMemo - ...", of one process or (pid 0) of any.
std::vector<HWND> MemoWindows(DWORD pid = 0);
// A visible dialog (class #32770) owned by the window: a message box or a file dialog.
HWND OwnedDialog(HWND owner);
// A visible dialog of the process, whatever its owner.
HWND DialogOfProcess(DWORD pid);
// The first child window of the given class, at any depth.
HWND ChildOfClass(HWND parent, const char* className);
// True when the window's thread takes a message within the time-out.
bool Answers(HWND hwnd, DWORD timeoutMs = 5000);
RECT ScreenRect(HWND hwnd);
