// Owner of a kernel handle (file, mapping, process, thread): closed when the owner goes.
#pragma once

#include <windows.h>

// Both "no handle" values of the system count as none: CreateFile's INVALID_HANDLE_VALUE
// and the null of CreateFileMapping, OpenProcess and the rest.
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle = nullptr) : m_handle(handle) {}
  ~ScopedHandle() {
    if (IsOpen()) CloseHandle(m_handle);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  bool IsOpen() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return m_handle; }
  // Closes what is held and takes the new handle.
  void Reset(HANDLE handle = nullptr) {
    if (IsOpen()) CloseHandle(m_handle);
    m_handle = handle;
  }
  // Closes now, reporting whether the close succeeded (a write may fail only then).
  bool Close() {
    HANDLE handle = m_handle;
    m_handle = nullptr;
    return CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE m_handle;
};
