// CSharedMemory: one named block of shared memory, mapped writable while the object holds it.
#pragma once

#include <windows.h>

class CSharedMemory {
 public:
  CSharedMemory() = default;
  CSharedMemory(const CSharedMemory&) = delete;
  CSharedMemory& operator=(const CSharedMemory&) = delete;
  ~CSharedMemory() { Close(); }

  // Creates or opens the block; a new block is zero-filled. 0, or -4 when it cannot be
  // created or mapped (nothing is then held).
  int Open(unsigned size, const char* name);
  void Close();

  HANDLE m_hMap = nullptr;
  void* m_pView = nullptr;
};

// Size of both blocks the memo windows exchange.
const unsigned kSharedBlockSize = 4096;
