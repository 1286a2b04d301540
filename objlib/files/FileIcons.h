// The shell's small icons of files, asked once for each source and kept for the process.
#pragma once

#include <windows.h>

// A copy of the small icon the shell shows for the file at source (byName: from its name
// alone, as for a file that need not exist), which the caller destroys; null when the shell
// has none. The shell takes milliseconds for each answer, and a link's icon is drawn at
// every paint of its caption, so answers are kept; a file whose icon changes while the
// program runs keeps the icon it first had.
HICON CopyFileIcon(const char* source, bool byName);
