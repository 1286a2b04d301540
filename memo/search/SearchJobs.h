// The work a search or a save hands to the index worker, and how its answers come back:
// posted to a window of the process that asked.
#pragma once

#include <windows.h>

#include <string>

#include "SearchHandOff.h"

// Posted while the index is brought up to date: wParam files read, lParam of how many.
const UINT WM_SEARCH_PROGRESS = WM_APP + 40;
// Posted once: lParam a SearchOutcome made with new, now the receiver's to delete.
const UINT WM_SEARCH_DONE = WM_APP + 41;

// Runs the search on the worker and posts its progress and outcome to the window.
void RunSearchJob(const SearchHandOff& search, HWND replyTo);
// The saved memo is read again into the index, on the worker.
void UpdateIndexAfterSave(const char* path);
