// Telling a figure memo from a text memo by the first segment of its content: only the
// segment headers in front of it are read, never the whole file.
#include "MemoKind.h"

#include <windows.h>

#include "DiskFile.h"
#include "KVSegment.h"

bool KVIsFigureMemo(const char* pszPath) {
  ScopedHandle file(KVOpenDiskFile(pszPath, FILE_SHARE_READ | FILE_SHARE_WRITE));
  if (!file.IsOpen()) return false;
  // Each step moves forward by at least a header, so the walk ends at the file's end.
  for (;;) {
    char header[sizeof(SEG_HEAD)];
    DWORD read = 0;
    if (!ReadFile(file.Get(), header, sizeof header, &read, nullptr) || read < 2) return false;
    const uint16_t code = KVReadU16(header);
    if (code != SEG_DOCHEAD && code != SEG_PAGE) return code == SEG_FBOX;
    if (read < sizeof header) return false;
    LARGE_INTEGER skip;
    skip.QuadPart = KVReadU32(header + 2);
    if (!SetFilePointerEx(file.Get(), skip, nullptr, FILE_CURRENT)) return false;
  }
}
