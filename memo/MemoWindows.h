// Coordination between memo windows of different processes: a window is a memo window by
// its title prefix; they ask each other for their paths, announce saved files and close
// together.
#pragma once

#include <windows.h>

class KVFile;

// A memo file was saved: reload your links to it (record in "KAVELO_NotifyClose").
const UINT WM_NOTIFYCLOSE = WM_USER + 100;
// Write your file path into "KAVELO_QueryLink".
const UINT WM_QUERYLINK = WM_USER + 101;

// One exchange with all memo windows ends within about this time; a window that has not
// answered by then counts as unanswered, and a hung one is given up on at once.
const UINT kMemoWindowTimeout = 2000;

bool IsMemoWindow(HWND hwnd);
// Brings the memo window that edits this file (by any spelling of its path) to the front;
// false when none does.
bool ActivateWindowShowing(const char* path);
// Tells every memo window, this one included, that the file was saved.
void NotifyFileSaved(KVFile* file);
// Closes every other memo window, each with its own prompt, then this one.
void CloseAllMemoWindows(HWND ownFrame);
// Starts another KVMemo process on a new memo.
void StartNewMemo();

// The answers of a memo window to the two messages.
void AnswerQueryLink(const char* ownPath);
// Reads the saved file's record; false when there is none to read.
bool ReadSavedLink(void* link526);
