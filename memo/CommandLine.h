// The command line of KVMemo.exe: one path, the last token wins.
#pragma once

#include "MemoGlobals.h"

// Tokens are separated by spaces only; a token starting with a quotation mark runs to the
// next one. The last token, cut to 259 bytes on a character boundary, goes to path.
void ParseCommandLine(const char* arguments, char path[kPathSize]);
// Replaces a short (8.3) path by its long form; leaves it as it is when that fails.
void ConvertToLongPath(char path[kPathSize]);
