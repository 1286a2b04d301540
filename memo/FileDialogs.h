// The platform's open and save file dialogs as the memo editor asks them.
#pragma once

#include <windows.h>

#include "MemoGlobals.h"

// Filters are pairs of zero-terminated texts, e.g. "Memos (*.kvm)\0*.kvm\0". path holds the
// initial name on entry (may be empty) and the chosen path on true; false on cancel.
bool AskOpenFileName(HWND owner, const char* filter, const char* defaultExt, DWORD flags,
                     char path[kPathSize]);
bool AskSaveFileName(HWND owner, const char* filter, const char* defaultExt, DWORD flags,
                     char path[kPathSize]);

extern const char kMemoFileFilter[];
