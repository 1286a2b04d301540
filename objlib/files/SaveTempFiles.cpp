// Naming, making and sweeping the temporary files of saves.
#include "SaveTempFiles.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "DiskFile.h"
#include "KVErrors.h"
#include "KVFilePaths.h"
#include "MemoHead.h"
#include "ScopedFind.h"

namespace {

const char kOwnPrefix[] = "~kv";
const size_t kOwnDigits = 6;  // with the prefix, as long as GetTempFileName's names
const char kOldPrefix[] = "kvt";
const char kSuffix[] = ".tmp";
const ULONGLONG kStaleAfter = 60ULL * 10000000;  // in the 100 ns units of file times

bool IsHexRun(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return length > 0;
}

// prefix, minDigits to maxDigits hex digits, ".tmp"; case is not compared.
bool IsTempName(const char* name, const char* prefix, size_t minDigits, size_t maxDigits) {
  const size_t length = std::strlen(name);
  const size_t fixed = std::strlen(prefix) + std::strlen(kSuffix);
  if (length < fixed + minDigits || length > fixed + maxDigits) return false;
  return KVStartsWithNoCase(name, prefix) && KVStartsWithNoCase(name + length - 4, kSuffix) &&
         IsHexRun(name + std::strlen(prefix), length - fixed);
}

bool IsStale(const FILETIME& written) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER nowValue = {{now.dwLowDateTime, now.dwHighDateTime}};
  ULARGE_INTEGER writtenValue = {{written.dwLowDateTime, written.dwHighDateTime}};
  // A time ahead of the clock (another machine's, on a share) is not old.
  return nowValue.QuadPart > writtenValue.QuadPart &&
         nowValue.QuadPart - writtenValue.QuadPart >= kStaleAfter;
}

// Held exclusively, nobody can open the file between the checks and its deletion, which
// takes effect when it is closed.
void RemoveIfUnheld(const std::string& path, bool mustBeMemo) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ | DELETE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen() || GetFileType(file.Get()) != FILE_TYPE_DISK) return;
  char title[MAX_PATH];
  if (mustBeMemo && KVReadDocHeadTitle(file.Get(), title) != KV_OK) return;
  FILE_DISPOSITION_INFO dispose = {TRUE};
  SetFileInformationByHandle(file.Get(), FileDispositionInfo, &dispose, sizeof dispose);
}

}  // namespace

HANDLE KVCreateSaveTempFile(const char* folder, char* tempPath) {
  static LONG counter = 0;
  const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 8);
  for (int attempt = 0; attempt < 64; ++attempt) {
    const DWORD number = (seed + static_cast<DWORD>(InterlockedIncrement(&counter)) * 40503u) &
                         ((1u << (4 * kOwnDigits)) - 1);
    char name[32];
    std::snprintf(name, sizeof name, "%s%06lX%s", kOwnPrefix, static_cast<unsigned long>(number),
                  kSuffix);
    if (!KVJoinPath(tempPath, MAX_PATH, folder, name)) return INVALID_HANDLE_VALUE;
    HANDLE file = CreateFileA(tempPath, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = GetLastError();
    if (file != INVALID_HANDLE_VALUE ||
        (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS))
      return file;
  }
  return INVALID_HANDLE_VALUE;
}

void KVRemoveStaleSaveTempFiles(const char* folder) {
  for (const char* prefix : {kOwnPrefix, kOldPrefix}) {
    WIN32_FIND_DATAA found;
    ScopedFind find(std::string(folder) + prefix + "*" + kSuffix, &found);
    for (bool more = find.IsOpen(); more; more = find.Next(&found)) {
      if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) continue;
      const bool own = IsTempName(found.cFileName, kOwnPrefix, kOwnDigits, kOwnDigits);
      const bool old = !own && IsTempName(found.cFileName, kOldPrefix, 1, 4);
      if ((own || old) && IsStale(found.ftLastWriteTime))
        RemoveIfUnheld(std::string(folder) + found.cFileName, old);
    }
  }
}
