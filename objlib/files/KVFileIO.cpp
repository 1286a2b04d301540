// KVFile's whole-file reading and writing, and the title in a linked memo's document head;
// a save also sweeps its folder of the temporary files that interrupted saves left.
#include <climits>
#include <cstring>

#include "DiskFile.h"
#include "KVErrors.h"
#include "KVFile.h"
#include "KVFilePaths.h"
#include "LockedGlobal.h"
#include "MemoHead.h"
#include "SaveTempFiles.h"

namespace {

thread_local DWORD t_lastFileError = 0;

// Keeps the system's reason of the call that just failed, before any clean-up replaces it.
int FileFailure(int result) {
  t_lastFileError = GetLastError();
  return result;
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

// Writes the bytes to a new temporary file in folder and returns its name in tempPath.
int WriteTemporaryFile(const char* folder, const char* pData, DWORD count, char* tempPath) {
  ScopedHandle file(KVCreateSaveTempFile(folder, tempPath));
  if (!file.IsOpen()) return FileFailure(KV_ERR_OPEN);
  if (WriteExactly(file.Get(), pData, count) && FlushFileBuffers(file.Get()) && file.Close())
    return KV_OK;
  FileFailure(KV_ERR_READ_WRITE);
  // Only a closed file can be deleted.
  if (file.IsOpen()) file.Close();
  DeleteFileA(tempPath);
  return KV_ERR_READ_WRITE;
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
  ScopedHandle probe(CreateFileA(target, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
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
  ScopedHandle file(KVOpenDiskFile(path, FILE_SHARE_READ));
  if (!file.IsOpen()) return KV_ERR_OPEN;
  return KVReadDocHeadTitle(file.Get(), pszDst);
}

DWORD KVLastFileError() { return t_lastFileError; }

int KVFile::ReadFile(void** ppBlock) {
  t_lastFileError = 0;
  *ppBlock = nullptr;
  char path[MAX_PATH];
  int result = GetPathName(path);
  if (result != KV_OK) return result;
  ScopedHandle file(KVOpenDiskFile(path, FILE_SHARE_READ));
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
    LockedGlobal lock(block);
    read = lock.Data() && KVReadExactly(file.Get(), lock.Data(), count);
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
  // Opening a device to probe it can block, and no device can take a memo's place.
  if (KVIsDevicePath(path)) {
    SetLastError(ERROR_INVALID_NAME);
    return FileFailure(KV_ERR_OPEN);
  }
  result = CheckTargetWritable(path);
  if (result != KV_OK) return result;
  // The temporary file goes into the target's folder, backslash kept (a drive root needs it).
  char folder[MAX_PATH] = ".\\";
  if (const char* backslash = KVLastBackslash(path)) {
    size_t length = static_cast<size_t>(backslash - path) + 1;
    std::memcpy(folder, path, length);
    folder[length] = '\0';
  }
  char tempPath[MAX_PATH];
  result = WriteTemporaryFile(folder, pData, static_cast<DWORD>(nCount), tempPath);
  if (result != KV_OK) return result;
  result = ReplaceWithTemporary(path, tempPath);
  if (result == KV_OK) KVRemoveStaleSaveTempFiles(folder);
  return result;
}
