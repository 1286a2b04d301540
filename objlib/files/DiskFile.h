// Opening a path for reading only when it names a disk file: devices, pipes and mailslots
// are refused before the open (which can block on them), anything else by its type after.
#pragma once

#include <windows.h>

#include "KVObjApi.h"

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

// Owns a file handle; INVALID_HANDLE_VALUE is none.
class ScopedFileHandle {
 public:
  explicit ScopedFileHandle(HANDLE handle) : m_handle(handle) {}
  ~ScopedFileHandle() {
    if (IsOpen()) CloseHandle(m_handle);
  }
  ScopedFileHandle(const ScopedFileHandle&) = delete;
  ScopedFileHandle& operator=(const ScopedFileHandle&) = delete;
  bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return m_handle; }
  // Closes now, reporting whether the close succeeded (a write may fail only then).
  bool Close() {
    HANDLE handle = m_handle;
    m_handle = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE m_handle;
};
