// Message boxes of the options editor: string-table texts, owned by the window that asks.
#pragma once

#include <windows.h>

int ShowMessage(HWND owner, UINT stringId, UINT type = MB_OK | MB_ICONEXCLAMATION);
// Tells the user that the settings file was not (or not wholly) written, naming the file.
void ReportWriteFailure(HWND owner);
