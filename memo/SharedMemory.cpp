// Named shared-memory blocks backed by the paging file.
#include "SharedMemory.h"

#include <cstring>

#include "KVErrors.h"

int CSharedMemory::Open(unsigned size, const char* name) {
  Close();
  m_hMap = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
  if (!m_hMap) return KV_ERR_NO_MEMORY;
  bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  m_pView = MapViewOfFile(m_hMap, FILE_MAP_WRITE, 0, 0, 0);
  if (!m_pView) {
    Close();
    return KV_ERR_NO_MEMORY;
  }
  if (!existed) std::memset(m_pView, 0, size);
  return 0;
}

void CSharedMemory::Close() {
  if (m_pView) UnmapViewOfFile(m_pView);
  if (m_hMap) CloseHandle(m_hMap);
  m_pView = nullptr;
  m_hMap = nullptr;
}
