// Whether two spellings of a path name the same file, as Windows file names compare.
#pragma once

#include <string>

// The full, normalised form of a path ("." and ".." resolved, "/" as "\"); empty when it
// cannot be made or would not fit 259 bytes. The system's reason is then GetLastError().
std::string FullPathOf(const char* path);
// True when the full forms are equal with ASCII letters folded; a double-byte character
// (whose trail byte may look like a letter) must match byte for byte.
bool IsSameFilePath(const char* a, const char* b);
