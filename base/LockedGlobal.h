// A global memory handle locked while clipboard or drop data is read; the caller keeps it.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL handle)
      : m_handle(handle),
        m_data(handle ? static_cast<const char*>(GlobalLock(handle)) : nullptr),
        m_size(m_data ? GlobalSize(handle) : 0) {}
  ~LockedGlobal() {
    if (m_data) GlobalUnlock(m_handle);
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  const char* Data() const { return m_data; }
  const char* End() const { return m_data + m_size; }
  // The text up to its zero, or to the end of the block when the zero is missing.
  std::string Text() const { return m_data ? std::string(m_data, strnlen(m_data, m_size)) : ""; }

 private:
  HGLOBAL m_handle;
  const char* m_data;
  size_t m_size;
};
