// Telling a figure memo from a text memo by the first segment of its content: only the
// segment headers in front of it are read, never the whole file.
#include "MemoKind.h"

#include <windows.h>

#include "KVSegment.h"

namespace {

class ReadHandle {
 public:
  explicit ReadHandle(const char* path)
      : m_handle(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr)) {}
  ~ReadHandle() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
  }
  ReadHandle(const ReadHandle&) = delete;
  ReadHandle& operator=(const ReadHandle&) = delete;
  HANDLE Get() const { return m_handle; }

 private:
  HANDLE m_handle;
};

}  // namespace

bool KVIsFigureMemo(const char* pszPath) {
  ReadHandle file(pszPath);
  if (file.Get() == INVALID_HANDLE_VALUE) return false;
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
