// Memo windows that the program opened in processes of its own, on the test's behalf: found
// by their ancestry and ended with the test.
#pragma once

#include <windows.h>

#include <set>

// Ends a process that the program started on the test's behalf (a second memo window).
void EndProcessOf(HWND window);
// True when the process was started by one in the set, or by a process they started.
bool DescendsFrom(DWORD pid, const std::set<DWORD>& ancestors);
