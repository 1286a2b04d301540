// Owners of global memory blocks (clipboard, drop, printer and file data): a lock held while
// a block is read or filled, and the block itself until it is freed or handed over.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL handle)
      : m_handle(handle),
        m_data(handle ? static_cast<char*>(GlobalLock(handle)) : nullptr),
        m_size(m_data ? GlobalSize(handle) : 0) {}
  ~LockedGlobal() {
    if (m_data) GlobalUnlock(m_handle);
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  char* Data() const { return m_data; }
  const char* End() const { return m_data + m_size; }
  size_t Size() const { return m_size; }
  // The block viewed as a system record (DEVMODE, DEVNAMES...); null when it is not locked.
  template <typename T>
  T* As() const {
    return reinterpret_cast<T*>(m_data);
  }
  // The text up to its zero, or to the end of the block when the zero is missing.
  std::string Text() const { return m_data ? std::string(m_data, strnlen(m_data, m_size)) : ""; }

 private:
  HGLOBAL m_handle;
  char* m_data;
  size_t m_size;
};

// Frees the block when it goes, unless Release hands it over first.
class OwnedGlobal {
 public:
  explicit OwnedGlobal(HGLOBAL handle) : m_handle(handle) {}
  ~OwnedGlobal() {
    if (m_handle) GlobalFree(m_handle);
  }
  OwnedGlobal(const OwnedGlobal&) = delete;
  OwnedGlobal& operator=(const OwnedGlobal&) = delete;
  HGLOBAL Get() const { return m_handle; }
  HGLOBAL Release() {
    HGLOBAL handle = m_handle;
    m_handle = nullptr;
    return handle;
  }

 private:
  HGLOBAL m_handle;
};
