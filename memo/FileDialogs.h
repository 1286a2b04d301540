// The platform's open and save file dialogs as the memo editor asks them.
#pragma once

#include <windows.h>

#include "MemoGlobals.h"

// The filter is a string of the table (LoadFileFilter). path holds the initial name on entry
// (may be empty) and the chosen path on true; false on cancel.
bool AskOpenFileName(HWND owner, UINT filterId, const char* defaultExt, DWORD flags,
                     char path[kPathSize]);
bool AskSaveFileName(HWND owner, UINT filterId, const char* defaultExt, DWORD flags,
                     char path[kPathSize]);
