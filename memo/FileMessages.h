// Messages about a file that could not be found, read or written: the program's own first
// line, the file, and the reason (the system's words for a system error).
#pragma once

#include <windows.h>

#include <string>

#include "MemoStrings.h"

// The system's text for an error code, in the system's language, without its line break;
// empty for 0 or an unknown code.
std::string SystemReason(DWORD error);
// The message box text: the string's text, the path and the reason on lines of their own.
std::string FileMessageText(UINT firstLineId, const char* path, const std::string& reason);
// Shows that text with the error icon.
void ShowFileError(UINT firstLineId, const char* path, const std::string& reason);
// As ShowFileError with the system's reason, or a neutral one when there is none.
void ShowFileSystemError(UINT firstLineId, const char* path, DWORD error);
