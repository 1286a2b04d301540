// Owner of a directory search (FindFirstFile): closed when the owner goes.
#pragma once

#include <windows.h>

#include <string>

class ScopedFind {
 public:
  // Starts the search; the first match is in found when IsOpen().
  ScopedFind(const std::string& pattern, WIN32_FIND_DATAA* found)
      : m_handle(FindFirstFileA(pattern.c_str(), found)) {}
  ~ScopedFind() {
    if (IsOpen()) FindClose(m_handle);
  }
  ScopedFind(const ScopedFind&) = delete;
  ScopedFind& operator=(const ScopedFind&) = delete;
  bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAA* found) { return FindNextFileA(m_handle, found) != FALSE; }

 private:
  HANDLE m_handle;
};
