// The windows a memo process shows besides its frame: dialogs and message boxes whatever
// their owner, pop-up menus, and memo windows of processes the test did not start itself.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "Poll.h"

// Visible dialogs (class #32770) of a process, whatever their owner.
std::vector<HWND> DialogsOf(DWORD pid);
// Waits for a visible dialog of the process with this caption (Shift-JIS); null on time-out.
HWND WaitForDialog(DWORD pid, const std::string& caption, DWORD timeoutMs = kWaitMs);
// True once the process shows no dialog any more.
bool WaitForNoDialog(DWORD pid, DWORD timeoutMs = kWaitMs);
// The texts of a dialog's static controls, joined by "|": what a message box says.
std::string DialogText(HWND dialog);
// The text of a dialog's control.
std::string ControlText(HWND dialog, int id);
// Presses a button of a dialog by its id, as a click would.
void PressButton(HWND dialog, int id);
// Sets the text of a dialog's edit control.
void SetControlText(HWND dialog, int id, const std::string& sjisText);

// Picks an item of a dialog's combo box by its text, as a click in its list would.
bool ChooseComboItem(HWND dialog, int id, const char* text);

// Types a path into a file dialog's name box and presses OK.
void AnswerFileDialog(HWND dialog, const std::string& path);

// The visible pop-up menu window (class #32768) of a process; null if none.
HWND PopupMenuOf(DWORD pid);
HWND WaitForPopupMenu(DWORD pid, DWORD timeoutMs = kWaitMs);

// Memo windows that belong to no process in the set.
std::vector<HWND> MemoWindowsExcept(const std::set<DWORD>& known);
// Waits for a memo window of a process outside the set; null on time-out.
HWND WaitForOtherMemoWindow(const std::set<DWORD>& known, DWORD timeoutMs = kWaitMs);
// Ends a process that the program started on the test's behalf (a second memo window).
void EndProcessOf(HWND window);
// True when the process was started by one in the set, or by a process they started.
bool DescendsFrom(DWORD pid, const std::set<DWORD>& ancestors);
