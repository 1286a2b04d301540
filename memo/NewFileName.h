// Names for new memo files: the save dialog, or a numbered name in a data folder.
#pragma once

#include <windows.h>

#include "MemoGlobals.h"

// On entry name holds a proposed file name (may be empty); on true it holds the full path
// of a file that does not exist yet. False: the user cancelled.
bool GetNewFileName(HWND owner, char name[kPathSize]);
