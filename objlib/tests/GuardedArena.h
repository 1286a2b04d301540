// Bytes placed at the end of a region that a page with no access follows, so a read past
// the end of the data faults at once instead of passing unnoticed.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

class GuardedArena {
 public:
  GuardedArena() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    m_base = static_cast<char*>(VirtualAlloc(nullptr, kSize + info.dwPageSize, MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(m_base + kSize, info.dwPageSize, PAGE_NOACCESS, &old);
  }
  ~GuardedArena() { VirtualFree(m_base, 0, MEM_RELEASE); }
  GuardedArena(const GuardedArena&) = delete;
  GuardedArena& operator=(const GuardedArena&) = delete;
  // The copy of bytes (at most 64 KiB), ending just before the guard page.
  char* Place(const std::string& bytes) {
    char* data = m_base + kSize - bytes.size();
    std::memcpy(data, bytes.data(), bytes.size());
    return data;
  }
  char* End() const { return m_base + kSize; }

 private:
  static const size_t kSize = 1 << 16;
  char* m_base;
};
