// The command line of KVMemo.exe: one path, the last token wins.
#pragma once

#include <string>

#include "MemoGlobals.h"

// Tokens are separated by spaces only; a token starting with a quotation mark runs to the
// next one. The last token is returned whole: cut, it would name another file.
std::string LastCommandLineToken(const char* arguments);
// The full path of the file the command line names, in path; false when it has none
// that fits 259 bytes (the system's reason is then GetLastError()).
bool StartupPath(const std::string& token, char path[kPathSize]);
// Replaces a short (8.3) path by its long form; leaves it as it is when that fails.
void ConvertToLongPath(char path[kPathSize]);
