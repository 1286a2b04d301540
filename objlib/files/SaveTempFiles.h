// The temporary file a save writes beside its target, and the removal of those that
// interrupted saves left behind.
#pragma once

#include <windows.h>

// Creates a new temporary file of ours, "~kv" and six hex digits ".tmp", in folder (which
// ends in a backslash), open for writing and shared with nobody; its path goes to tempPath
// (MAX_PATH bytes). INVALID_HANDLE_VALUE when none can be made.
HANDLE KVCreateSaveTempFile(const char* folder, char* tempPath);

// Removes from folder (ending in a backslash) the temporary files that saves left there
// when they were cut short. A file goes only when it is certainly ours: named as our saves
// name them, last written at least a minute ago, and held by nobody (it opens exclusively).
// One named as saves named them before ("kvt" and hex digits ".tmp") must also begin as a
// memo file does, since other programs may use that pattern.
void KVRemoveStaleSaveTempFiles(const char* folder);
