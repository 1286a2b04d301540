// KVFile's whole-file reading and writing, and the title in a linked memo's document head.
#include <climits>
#include <cstring>
#include <memory>
#include <new>

#include "KVErrors.h"
#include "KVFile.h"
#include "KVFilePaths.h"
#include "KVSegment.h"
#include "SjisText.h"

namespace {

thread_local DWORD t_lastFileError = 0;

// Keeps the system's reason of the call that just failed, before any clean-up replaces it.
int FileFailure(int result) {
  t_lastFileError = GetLastError();
  return result;
}

// A document head body holds the version, the window placement and two scroll positions
// (56 bytes), then the title and its zero; a real one is far below the cap.
const uint32_t kTitleOffset = 56;
const uint32_t kMaxDocHeadLength = 64 * 1024;

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : m_handle(handle) {}
  ~ScopedFile() {
    if (IsOpen()) CloseHandle(m_handle);
  }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return m_handle; }
  bool Close() {
    HANDLE handle = m_handle;
    m_handle = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE m_handle;
};

class ScopedGlobalLock {
 public:
  explicit ScopedGlobalLock(HGLOBAL block) : m_block(block), m_data(GlobalLock(block)) {}
  ~ScopedGlobalLock() {
    if (m_data) GlobalUnlock(m_block);
  }
  ScopedGlobalLock(const ScopedGlobalLock&) = delete;
  ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;
  char* Data() const { return static_cast<char*>(m_data); }

 private:
  HGLOBAL m_block;
  void* m_data;
};

HANDLE OpenForReading(const char* path) {
  return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Reads exactly count bytes; a short read is a failure.
bool ReadExactly(HANDLE file, char* data, DWORD count) {
  while (count > 0) {
    DWORD read = 0;
    if (!::ReadFile(file, data, count, &read, nullptr) || read == 0) return false;
    data += read;
    count -= read;
  }
  return true;
}

bool WriteExactly(HANDLE file, const char* data, DWORD count) {
  while (count > 0) {
    DWORD written = 0;
    if (!::WriteFile(file, data, count, &written, nullptr) || written == 0) return false;
    data += written;
    count -= written;
  }
  return true;
}

// The title of the document head at the start of an open memo file.
int ReadDocHeadTitle(HANDLE file, char* pszDst) {
  char head[sizeof(SEG_HEAD)];
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file, &size) || !ReadExactly(file, head, sizeof head))
    return KV_ERR_READ_WRITE;
  uint32_t length = KVReadU32(head + 2);
  if (KVReadU16(head) != SEG_DOCHEAD || length <= kTitleOffset || length > kMaxDocHeadLength ||
      length > size.QuadPart - static_cast<LONGLONG>(sizeof head))
    return KV_ERR_READ_WRITE;
  std::unique_ptr<char[]> body(new (std::nothrow) char[length]);
  if (!body) return KV_ERR_NO_MEMORY;
  if (!ReadExactly(file, body.get(), length)) return KV_ERR_READ_WRITE;
  const char* title = body.get() + kTitleOffset;
  if (!std::memchr(title, '\0', length - kTitleOffset)) return KV_ERR_READ_WRITE;
  KVCopyCut(pszDst, MAX_PATH, title);
  return KV_OK;
}

int WriteNewFile(const char* path, const char* pData, DWORD count) {
  ScopedFile file(
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return FileFailure(KV_ERR_OPEN);
  if (!WriteExactly(file.Get(), pData, count) || !FlushFileBuffers(file.Get()) || !file.Close())
    return FileFailure(KV_ERR_READ_WRITE);
  return KV_OK;
}

// Writes the bytes to a new temporary file in folder and returns its name in tempPath.
int WriteTemporaryFile(const char* folder, const char* pData, DWORD count, char* tempPath) {
  if (!GetTempFileNameA(folder, "kvt", 0, tempPath)) return FileFailure(KV_ERR_OPEN);
  int result = WriteNewFile(tempPath, pData, count);
  // Only a closed file can be deleted; WriteNewFile has closed it.
  if (result != KV_OK) DeleteFileA(tempPath);
  return result;
}

// A target must be one the old direct write could have opened: not read-only, not held open
// by someone who shares nothing. A missing target is fine; it is created.
int CheckTargetWritable(const char* target) {
  // Checked by attribute too: a process running as root under Wine may open it for writing.
  DWORD attributes = GetFileAttributesA(target);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FileFailure(KV_ERR_OPEN);
  }
  ScopedFile probe(CreateFileA(target, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (probe.IsOpen() || GetLastError() == ERROR_FILE_NOT_FOUND) return KV_OK;
  return FileFailure(KV_ERR_OPEN);
}

// Puts the temporary file in the target's place in one step, keeping the target's attributes.
int ReplaceWithTemporary(const char* target, const char* tempPath) {
  DWORD attributes = GetFileAttributesA(target);
  if (MoveFileExA(tempPath, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(target, attributes);
    return KV_OK;
  }
  FileFailure(KV_ERR_READ_WRITE);
  DeleteFileA(tempPath);
  return KV_ERR_READ_WRITE;
}

}  // namespace

int KVFile::GetDocName(char* pszDst) const {
  pszDst[0] = '\0';
  char path[MAX_PATH];
  int result = GetPathName(path);
  if (result != KV_OK) return result;
  if (m_nType != FT_MEMO) return KV_ERR_NOT_MEMO;
  ScopedFile file(OpenForReading(path));
  if (!file.IsOpen()) return KV_ERR_OPEN;
  return ReadDocHeadTitle(file.Get(), pszDst);
}

DWORD KVLastFileError() { return t_lastFileError; }

int KVFile::ReadFile(void** ppBlock) {
  t_lastFileError = 0;
  *ppBlock = nullptr;
  char path[MAX_PATH];
  int result = GetPathName(path);
  if (result != KV_OK) return result;
  ScopedFile file(OpenForReading(path));
  if (!file.IsOpen()) return FileFailure(KV_ERR_OPEN);
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file.Get(), &size)) return FileFailure(KV_ERR_READ_WRITE);
  // The count is returned as an int.
  if (size.QuadPart >= INT_MAX) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return FileFailure(KV_ERR_NO_MEMORY);
  }
  DWORD count = static_cast<DWORD>(size.QuadPart);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, count + 1);
  if (!block) return FileFailure(KV_ERR_NO_MEMORY);
  bool read = false;
  {
    ScopedGlobalLock lock(block);
    read = lock.Data() && ReadExactly(file.Get(), lock.Data(), count);
    if (read) lock.Data()[count] = '\0';
    else FileFailure(KV_ERR_READ_WRITE);
  }
  if (!read) {
    GlobalFree(block);
    return KV_ERR_READ_WRITE;
  }
  *ppBlock = block;
  return static_cast<int>(count);
}

int KVFile::WriteFile(const char* pData, int nCount) {
  t_lastFileError = 0;
  char path[MAX_PATH];
  int result = GetPathName(path);
  if (result != KV_OK) return result;
  if (nCount < 0 || (nCount > 0 && !pData)) return KV_ERR_READ_WRITE;
  result = CheckTargetWritable(path);
  if (result != KV_OK) return result;
  // The temporary file goes into the target's folder, backslash kept (a drive root needs it).
  char folder[MAX_PATH] = ".";
  if (const char* backslash = KVLastBackslash(path)) {
    size_t length = static_cast<size_t>(backslash - path) + 1;
    std::memcpy(folder, path, length);
    folder[length] = '\0';
  }
  char tempPath[MAX_PATH];
  result = WriteTemporaryFile(folder, pData, static_cast<DWORD>(nCount), tempPath);
  if (result != KV_OK) return result;
  return ReplaceWithTemporary(path, tempPath);
}
