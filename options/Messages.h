// Message boxes of the options editor: string-table texts, owned by the window that asks.
#pragma once

#include <windows.h>

#include <string>

int ShowMessage(HWND owner, UINT stringId, UINT type = MB_OK | MB_ICONEXCLAMATION);
// The same with subject (a path, a file) in place of the text's "%s".
int ShowMessageAbout(HWND owner, UINT stringId, const std::string& subject,
                     UINT type = MB_OK | MB_ICONEXCLAMATION);
// Tells the user that the settings file was not (or not wholly) written, naming the file.
void ReportWriteFailure(HWND owner);
