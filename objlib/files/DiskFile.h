// Opening a path for reading only when it names a disk file: devices, pipes and mailslots
// are refused before the open (which can block on them), anything else by its type after.
#pragma once

#include <windows.h>

#include "KVObjApi.h"
#include "ScopedHandle.h"

// True when the path names a device rather than a file: a DOS device name as its last
// component (CON, PRN, AUX, NUL, COM0-9, LPT0-9, CONIN$, CONOUT$, CLOCK$; any case, any
// extension), a "\\.\", "\\?\" or "\??\" path, or a pipe or mailslot share.
KVOBJ_API bool KVIsDevicePath(const char* pszPath);

// Opens the path for reading with the given sharing when it is a disk file; otherwise
// INVALID_HANDLE_VALUE, as for a missing file.
KVOBJ_API HANDLE KVOpenDiskFile(const char* pszPath, DWORD dwShare);

// True when the path opens as a disk file; nothing is read.
KVOBJ_API bool KVIsDiskFile(const char* pszPath);

// Reads exactly count bytes; a short read is a failure.
bool KVReadExactly(HANDLE file, char* data, DWORD count);

